#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace korvel::testing {

// The bytes of a file under tests/data, exactly as stored.
inline std::string testDataBytes(const std::string& name)
{
    std::ifstream file(std::string(KORVEL_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace korvel::testing
