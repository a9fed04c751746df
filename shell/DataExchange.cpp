#include "DataExchange.h"

namespace shell {

// A control the template lacks is skipped rather than read or written through a null handle.
HWND DataExchange::item(int id) const
{
    return failed() ? nullptr : ::GetDlgItem(dialog_, id);
}

// Rewriting the text a box already shows would only cost a relayout and raise a change
// notification, whose handler would run in the middle of the exchange.
void DataExchange::show(const Window& box, const Text& text)
{
    if (box.text() != text)
        box.setText(text);
}

void DataExchange::text(int id, Text& value)
{
    const Window box(item(id));
    if (box.handle() == nullptr)
        return;
    if (saving_)
        value = box.text();
    else
        show(box, value);
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
