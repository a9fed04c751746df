#include "DataExchange.h"

#include "NumberText.h"

namespace shell {
namespace {

// The user's decimal separator as set in Windows, user overrides included, read afresh at each
// exchange so that a change in the settings counts at once.
wchar_t userDecimalSeparator()
{
    wchar_t separator[4] = {};  // the system allows up to three characters
    const int length = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    return decimalSeparator(length > 1 ? std::wstring_view(separator, static_cast<size_t>(length - 1))
                                       : std::wstring_view());
}

}  // namespace

void DataExchange::number(int id, double& value)
{
    const Window box(item(id));
    if (box.handle() == nullptr)
        return;
    const wchar_t separator = userDecimalSeparator();
    if (!saving_) {
        show(box, formatNumber(value, separator));
        return;
    }
    if (const auto number = parseNumber(box.text(), separator))
        value = *number;
    else
        failedId_ = id;
}

}  // namespace shell
