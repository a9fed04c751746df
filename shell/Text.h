#pragma once
// A text the framework owns: a heap copy of wide characters, always null-terminated. The shell's
// own small string, so that the programs link no C++ string library, nor the exception runtime
// that comes with it. Free of <windows.h>.

#include <cstddef>
#include <cwchar>
#include <memory>
#include <string_view>

namespace shell {

class Text {
public:
    Text() = default;
    Text(std::wstring_view text) : Text(withLength(text.size()))  // NOLINT(google-explicit-constructor)
    {
        if (!text.empty())
            std::wmemcpy(chars_.get(), text.data(), text.size());
    }
    Text(const wchar_t* text) : Text(std::wstring_view(text)) {}  // NOLINT(google-explicit-constructor)
    Text(const Text& other) : Text(other.view()) {}
    Text& operator=(const Text& other)
    {
        if (this != &other)
            *this = Text(other.view());
        return *this;
    }
    Text(Text&&) noexcept = default;
    Text& operator=(Text&&) noexcept = default;
    ~Text() = default;

    // Room for `length` characters (and the terminating null), all null, for a system call to
    // fill in; shorten() then keeps what it wrote.
    static Text withLength(std::size_t length)
    {
        Text text;
        if (length > 0) {
            text.chars_ = std::make_unique<wchar_t[]>(length + 1);
            text.size_ = length;
        }
        return text;
    }
    wchar_t* data() { return chars_.get(); }
    void shorten(std::size_t length)
    {
        if (length < size_) {
            chars_[length] = L'\0';
            size_ = length;
        }
    }

    const wchar_t* c_str() const { return chars_ ? chars_.get() : L""; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::wstring_view view() const { return {c_str(), size_}; }
    operator std::wstring_view() const { return view(); }  // NOLINT(google-explicit-constructor)
    void clear() { *this = Text(); }

    friend bool operator==(const Text& a, std::wstring_view b) { return a.view() == b; }
    friend bool operator!=(const Text& a, std::wstring_view b) { return a.view() != b; }

private:
    std::unique_ptr<wchar_t[]> chars_;
    std::size_t size_ = 0;
};

}  // namespace shell
