#pragma once
// Builds one visitor for std::visit from several lambdas.

namespace zentrova {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang before 17).
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace zentrova
