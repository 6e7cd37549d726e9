#include "dialogs/DialogTemplate.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace huex {

namespace {
constexpr std::uint32_t setFont = 0x40; // DS_SETFONT; DS_SHELLFONT includes it
constexpr std::size_t itemCountAt = 16; // after version, signature, help id and both styles

class Reader {
  public:
    explicit Reader(std::span<const std::byte> bytes) : bytes_(bytes) {}
    [[nodiscard]] bool ok() const { return ok_; }
    [[nodiscard]] std::size_t position() const { return pos_; }

    template <class T> T read() {
        T value{};
        if (!ok_ || bytes_.size() - pos_ < sizeof(T)) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, bytes_.data() + pos_, sizeof(T));
        pos_ += sizeof(T);
        return value;
    }
    std::u16string readString() {
        std::u16string text;
        for (auto c = read<char16_t>(); ok_ && c != 0; c = read<char16_t>()) text += c;
        return text;
    }
    TemplateName readName() {
        const auto first = read<std::uint16_t>();
        if (first == 0) return {};
        if (first == 0xFFFF) return {{}, read<std::uint16_t>()};
        pos_ -= sizeof(std::uint16_t);
        return {readString(), 0};
    }
    void alignTo4() {
        pos_ = (pos_ + 3) & ~std::size_t{3};
        if (pos_ > bytes_.size()) ok_ = false;
    }

  private:
    std::span<const std::byte> bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};
} // namespace

std::u16string itemClassName(const TemplateName& name) {
    static constexpr std::array<const char16_t*, 6> predefined{u"Button",  u"Edit",      u"Static",
                                                               u"ListBox", u"ScrollBar", u"ComboBox"};
    if (name.ordinal == 0) return name.text;
    if (name.ordinal >= 0x80 && name.ordinal < 0x80 + predefined.size())
        return predefined[name.ordinal - 0x80u];
    std::u16string number;
    for (unsigned n = name.ordinal; n > 0 || number.empty(); n /= 10)
        number.insert(number.begin(), char16_t(u'0' + n % 10));
    return u"#" + number;
}

std::optional<DialogTemplateView> readDialogTemplate(std::span<const std::byte> bytes) {
    Reader r(bytes);
    DialogTemplateView t;
    if (r.read<std::uint16_t>() != 1 || r.read<std::uint16_t>() != 0xFFFF) return std::nullopt;
    r.read<std::uint32_t>(); // help id
    t.exStyle = r.read<std::uint32_t>();
    t.style = r.read<std::uint32_t>();
    const auto count = r.read<std::uint16_t>();
    t.x = r.read<std::int16_t>(), t.y = r.read<std::int16_t>();
    t.cx = r.read<std::int16_t>(), t.cy = r.read<std::int16_t>();
    t.menu = r.readName();
    t.className = r.readName();
    t.caption = r.readString();
    if (t.style & setFont) {
        t.pointSize = r.read<std::uint16_t>();
        t.weight = r.read<std::uint16_t>();
        t.italic = r.read<std::uint8_t>();
        t.charset = r.read<std::uint8_t>();
        t.fontName = r.readString();
    }
    t.headerEnd = r.position();
    for (std::uint16_t i = 0; i < count && r.ok(); ++i) {
        r.alignTo4();
        TemplateItem item;
        item.begin = r.position();
        item.helpId = r.read<std::uint32_t>();
        item.exStyle = r.read<std::uint32_t>();
        item.style = r.read<std::uint32_t>();
        item.x = r.read<std::int16_t>(), item.y = r.read<std::int16_t>();
        item.cx = r.read<std::int16_t>(), item.cy = r.read<std::int16_t>();
        item.id = r.read<std::uint32_t>();
        item.className = r.readName();
        item.title = r.readName();
        const auto extra = r.read<std::uint16_t>();
        for (std::uint16_t b = 0; b < extra && r.ok(); ++b) item.creationData.push_back(r.read<std::byte>());
        item.end = r.position();
        t.items.push_back(std::move(item));
    }
    if (!r.ok()) return std::nullopt;
    return t;
}

std::vector<std::byte> templateWithout(std::span<const std::byte> bytes, const DialogTemplateView& view,
                                       std::span<const int> leaveOut) {
    std::vector<std::byte> out(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(view.headerEnd));
    std::uint16_t kept = 0;
    for (const TemplateItem& item : view.items) {
        if (std::find(leaveOut.begin(), leaveOut.end(), static_cast<int>(item.id)) != leaveOut.end())
            continue;
        out.resize((out.size() + 3) & ~std::size_t{3});
        out.insert(out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(item.begin),
                   bytes.begin() + static_cast<std::ptrdiff_t>(item.end));
        ++kept;
    }
    std::memcpy(out.data() + itemCountAt, &kept, sizeof kept);
    return out;
}

} // namespace huex
