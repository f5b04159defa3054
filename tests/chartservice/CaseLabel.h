#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace chartservice_test {

// Names table cases by their `label`, in test names and in failure messages.
struct ByLabel {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return info.param.label;
    }
};

template <class Case>
requires requires(const Case& c) { c.label; }
void PrintTo(const Case& c, std::ostream* os) { *os << c.label; }

}  // namespace chartservice_test
