#pragma once
// Turns a member function of the narrowest signature that serves into a command-table handler:
//     {WM_COMMAND, BN_CLICKED, 1003, 1003, handler<&ReliabilityDialog::onRun>}
// Supported: void f(), void f(UINT id, LPARAM param) (system commands), HICON f() (drag icon).

#include "CommandTable.h"

#include <windows.h>

#include <type_traits>

namespace shell {

template <class Method>
struct MethodClass;
template <class Result, class Class, class... Args>
struct MethodClass<Result (Class::*)(Args...)> {
    using type = Class;
};

template <auto Method>
using TargetOf = typename MethodClass<decltype(Method)>::type::CommandTarget;

template <auto Method>
std::intptr_t callHandler(TargetOf<Method>& target, std::uintptr_t wParam, std::intptr_t lParam)
{
    using Class = typename MethodClass<decltype(Method)>::type;
    auto& self = static_cast<Class&>(target);
    if constexpr (std::is_invocable_v<decltype(Method), Class&, UINT, LPARAM>) {
        (self.*Method)(static_cast<UINT>(wParam), static_cast<LPARAM>(lParam));
        return 0;
    } else if constexpr (std::is_same_v<std::invoke_result_t<decltype(Method), Class&>, HICON>) {
        return reinterpret_cast<std::intptr_t>((self.*Method)());
    } else {
        (self.*Method)();
        return 0;
    }
}

template <auto Method>
inline constexpr typename CommandEntry<TargetOf<Method>>::Handler handler = &callHandler<Method>;

}  // namespace shell
