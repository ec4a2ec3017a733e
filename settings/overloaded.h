#pragma once
// Builds one visitor for std::visit from several lambdas.

namespace zentrova {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

}  // namespace zentrova
