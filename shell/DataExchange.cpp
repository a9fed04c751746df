#include "DataExchange.h"

#include "NumberText.h"

namespace shell {

// A control the template lacks is skipped rather than read or written through a null handle.
HWND DataExchange::item(int id) const
{
    return failed() ? nullptr : ::GetDlgItem(dialog_, id);
}

namespace {

// Rewriting the text a box already shows would only cost a relayout and raise a change
// notification, whose handler would run in the middle of the exchange.
void show(const Window& box, const std::wstring& text)
{
    if (box.text() != text)
        box.setText(text);
}

}  // namespace

void DataExchange::text(int id, std::wstring& value)
{
    const Window box(item(id));
    if (box.handle() == nullptr)
        return;
    if (saving_)
        value = box.text();
    else
        show(box, value);
}

void DataExchange::number(int id, double& value)
{
    const Window box(item(id));
    if (box.handle() == nullptr)
        return;
    if (!saving_) {
        show(box, formatNumber(value));
        return;
    }
    if (const auto number = parseNumber(box.text()))
        value = *number;
    else
        failedId_ = id;
}

void DataExchange::check(int id, int& value)
{
    const HWND box = item(id);
    if (box == nullptr)
        return;
    if (saving_)
        value = ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    else
        ::SendMessageW(box, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DataExchange::control(int id, Window& control)
{
    if (const HWND child = item(id))
        control.attach(child);
}

}  // namespace shell
