#include "dialogs/PatternPage.h"

#include "resource.h"
#include "win/Text.h"
#include "win/Window.h"

namespace huex {

const std::array<int, 11> PatternPage::editIds{IDC_SET_NAME,  IDC_SET_PATTERN, IDC_SET_RGB_R, IDC_SET_RGB_G,
                                               IDC_SET_RGB_B, IDC_SET_HSB_H,   IDC_SET_HSB_S, IDC_SET_HSB_B,
                                               IDC_SET_HSL_H, IDC_SET_HSL_S,   IDC_SET_HSL_L};
const std::array<int, 3> PatternPage::rowEditIds{IDC_SET_MODEL_1, IDC_SET_MODEL_2, IDC_SET_MODEL_3};

void PatternPage::showRefusal(HWND dialog, AddOutcome why) {
    const wchar_t* text = why == AddOutcome::blankName ? L"Введите имя шаблона"
                          : why == AddOutcome::listFull ? L"Больше шаблонов не сохранить: их уже 200"
                                                        : L"Шаблон с таким именем уже существует";
    MessageBoxW(dialog, text, L"HUEX", MB_OK | MB_ICONINFORMATION);
}

HWND PatternPage::list() const {
    return GetDlgItem(dialog_, IDC_SET_PATTERN_LIST);
}

void PatternPage::open(HWND dialog, int color1Pattern, int color2Pattern) {
    dialog_ = dialog;
    EnableWindow(GetDlgItem(dialog_, IDC_SET_UP), FALSE);
    EnableWindow(GetDlgItem(dialog_, IDC_SET_DOWN), FALSE);
    fillList();
    color1Name_ = slotPatternName(model_.patterns(), color1Pattern);
    color2Name_ = slotPatternName(model_.patterns(), color2Pattern);
}

int PatternPage::slotPattern(int slot) const {
    return slotPatternAfterEdit(model_.patterns(), slot == 1 ? color1Name_ : color2Name_);
}

bool PatternPage::onCommand(int id, int code) {
    switch (id) {
    case IDC_SET_PATTERN_LIST:
        if (code == LBN_SELCHANGE) selectionStep();
        return true;
    case IDC_SET_ADD:
        if (code == BN_CLICKED) add();
        return true;
    case IDC_SET_DELETE:
        if (code == BN_CLICKED) remove();
        return true;
    case IDC_SET_UP:
    case IDC_SET_DOWN:
        if (code == BN_CLICKED) move(id == IDC_SET_UP ? -1 : +1);
        return true;
    default:
        for (int edit : editIds) {
            if (id != edit) continue;
            if (code == EN_CHANGE) liveUpdate();
            if (code == EN_CHANGE && id == IDC_SET_PATTERN) followPatternString();
            return true;
        }
        for (int edit : rowEditIds) {
            if (id != edit) continue;
            if (code == EN_CHANGE) liveUpdate();
            return true;
        }
        return false;
    }
}

int PatternPage::selectedItem() const {
    const LRESULT item = SendMessageW(list(), LB_GETCURSEL, 0, 0);
    return item == LB_ERR ? -1 : static_cast<int>(item);
}

void PatternPage::fillList() {
    HWND box = list();
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : model_.items())
        SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::widen(item).c_str()));
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
}

void PatternPage::selectItem(int item, int topIndex) {
    SendMessageW(list(), LB_SETTOPINDEX, static_cast<WPARAM>(topIndex), 0);
    SendMessageW(list(), LB_SETCURSEL, static_cast<WPARAM>(item), 0);
    RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void PatternPage::selectionStep() {
    const int item = selectedItem();
    const PageState page = model_.selectionStep(item);
    EnableWindow(GetDlgItem(dialog_, IDC_SET_UP), page.upEnabled);
    EnableWindow(GetDlgItem(dialog_, IDC_SET_DOWN), page.downEnabled);
    if (!page.selected) return;
    editable_ = page.editable; // the fourth row, written with the edits, follows it
    switch (page.edits) {
    case PageState::Edits::pattern:
        writeEdits(textsOfPattern(model_.patterns()[static_cast<std::size_t>(model_.patternOfItem(item))]));
        break;
    case PageState::Edits::cleared:
        clearEdits();
        break;
    case PageState::Edits::newPattern:
        writeEdits(newPatternTexts());
        SetDlgItemTextW(dialog_, IDC_SET_ADD, L"Добавить");
        break;
    case PageState::Edits::unchanged:
        break;
    }
    EnableWindow(GetDlgItem(dialog_, IDC_SET_DELETE), page.deleteEnabled);
    EnableWindow(GetDlgItem(dialog_, IDC_SET_ADD), page.addEnabled);
    for (int edit : editIds)
        SendDlgItemMessageW(dialog_, edit, EM_SETREADONLY, page.editable ? FALSE : TRUE, 0);
}

void PatternPage::add() {
    const int item = selectedItem();
    const auto top = static_cast<int>(SendMessageW(list(), LB_GETTOPINDEX, 0, 0));
    const AddOutcome outcome = model_.add(item, readEdits());
    if (outcome == AddOutcome::notAddEntry) return;
    if (outcome != AddOutcome::added) {
        if (refusalBox_) refusalBox_(dialog_, outcome);
        return;
    }
    fillList();
    selectItem(model_.addEntryItem(), top);
    selectionStep();
}

void PatternPage::remove() {
    const int item = selectedItem();
    const auto top = static_cast<int>(SendMessageW(list(), LB_GETTOPINDEX, 0, 0));
    const int next = model_.remove(item);
    if (next < 0) return;
    fillList();
    selectItem(next, top);
    selectionStep();
}

void PatternPage::move(int direction) {
    const int item = selectedItem();
    const int next = model_.move(item, direction);
    if (next < 0) return;
    HWND box = list();
    const std::wstring moved = win::widen(model_.items()[static_cast<std::size_t>(next)]);
    SendMessageW(box, LB_DELETESTRING, static_cast<WPARAM>(item), 0);
    SendMessageW(box, LB_INSERTSTRING, static_cast<WPARAM>(next), reinterpret_cast<LPARAM>(moved.c_str()));
    SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
    selectionStep();
}

void PatternPage::liveUpdate() {
    if (fillingEdits_) return;
    const int item = selectedItem();
    if (!model_.update(item, readEdits())) return;
    // The string may have come to use another model, or one that just got its default formats.
    const PatternTexts now =
        textsOfPattern(model_.patterns()[static_cast<std::size_t>(model_.patternOfItem(item))]);
    if (now.rowModel != rowModel_ || now.rowFormats != readEdits().rowFormats)
        showRow(now.rowModel, now.rowFormats);
    // The item shows the new name in place; the list keeps its scroll position.
    HWND box = list();
    const auto top = static_cast<int>(SendMessageW(box, LB_GETTOPINDEX, 0, 0));
    const std::wstring name = win::widen(model_.items()[static_cast<std::size_t>(item)]);
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, LB_DELETESTRING, static_cast<WPARAM>(item), 0);
    SendMessageW(box, LB_INSERTSTRING, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageW(box, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, FALSE);
}

void PatternPage::writeEdits(const PatternTexts& texts) {
    fillingEdits_ = true;
    SetDlgItemTextW(dialog_, editIds[0], win::widen(texts.name).c_str());
    SetDlgItemTextW(dialog_, editIds[1], win::widen(texts.patternString).c_str());
    for (std::size_t i = 0; i < texts.formats.size(); ++i)
        SetDlgItemTextW(dialog_, editIds[i + 2], win::widen(texts.formats[i]).c_str());
    fillingEdits_ = false;
    showRow(texts.rowModel, texts.rowFormats);
}

void PatternPage::showRow(std::size_t model, const std::array<std::string, 3>& formats) {
    rowModel_ = model;
    fillingEdits_ = true;
    SetDlgItemTextW(dialog_, IDC_SET_MODEL_LABEL, win::widen(rowLabel(model)).c_str());
    const bool none = model >= modelCount;
    for (std::size_t i = 0; i < rowEditIds.size(); ++i) {
        SetDlgItemTextW(dialog_, rowEditIds[i], none ? L"" : win::widen(formats[i]).c_str());
        SendDlgItemMessageW(dialog_, rowEditIds[i], EM_SETREADONLY, editable_ && !none ? FALSE : TRUE, 0);
    }
    fillingEdits_ = false;
}

void PatternPage::followPatternString() {
    // A new pattern has no formats yet: the row names the model the string uses, with empty edits
    // that Add fills with the model's defaults unless something is typed into them.
    if (fillingEdits_ || model_.kindOf(selectedItem()) != PatternItem::addEntry) return;
    const std::size_t model = rowModelOf(readEdits().patternString);
    if (model != rowModel_) showRow(model, {});
}

void PatternPage::clearEdits() {
    fillingEdits_ = true;
    for (int edit : editIds) SetDlgItemTextW(dialog_, edit, L"");
    fillingEdits_ = false;
    showRow(modelCount, {});
}

PatternTexts PatternPage::readEdits() const {
    PatternTexts texts;
    texts.name = win::narrow(win::windowText(GetDlgItem(dialog_, editIds[0])));
    texts.patternString = win::narrow(win::windowText(GetDlgItem(dialog_, editIds[1])));
    for (std::size_t i = 0; i < texts.formats.size(); ++i)
        texts.formats[i] = win::narrow(win::windowText(GetDlgItem(dialog_, editIds[i + 2])));
    texts.rowModel = rowModel_;
    for (std::size_t i = 0; i < texts.rowFormats.size(); ++i)
        texts.rowFormats[i] = win::narrow(win::windowText(GetDlgItem(dialog_, rowEditIds[i])));
    return texts;
}

} // namespace huex
