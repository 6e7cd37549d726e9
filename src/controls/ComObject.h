#pragma once
// Reference counting and interface lookup for the few COM objects of the program: an object
// derived from ComObject<I> answers QueryInterface for IUnknown and I and deletes itself when its
// last reference goes. ComRef holds one reference.
#include <windows.h>

#include <objbase.h>

#include <utility>

namespace huex {

template <class Interface> class ComObject : public Interface {
  public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(Interface))) {
            *object = static_cast<Interface*>(this);
            this->AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

  private:
    LONG references_ = 1; // the creator's
};

// One reference to a COM object; takes over the creator's reference when constructed from new.
template <class T> class ComRef {
  public:
    ComRef() = default;
    explicit ComRef(T* adopted) : object_(adopted) {}
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    ~ComRef() { reset(); }

    void reset() {
        if (auto* object = std::exchange(object_, nullptr)) object->Release();
    }
    [[nodiscard]] T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

  private:
    T* object_ = nullptr;
};

} // namespace huex
