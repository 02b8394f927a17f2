#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kazuyomi {

// Names each row of a parameterised suite by its own name field.
template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

}  // namespace kazuyomi
