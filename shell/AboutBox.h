#pragma once
// The About box: template 100, closed through its OK button or the Cancel path.

#include "Dialog.h"
#include "resource.h"

namespace shell {

class AboutBox : public Dialog {
public:
    AboutBox() : Dialog(IDD_ABOUTBOX, nullptr) {}
};

}  // namespace shell
