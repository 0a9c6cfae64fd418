// The sample picture files of the fuzz corpus, which the tests load too.
#pragma once

#include <string>

namespace pictor::testing {

// The path of a corpus file such as "wmf/figures.wmf".
inline std::string Corpus(const std::string& name) {
  return std::string(PICTOR_SOURCE_DIR) + "/fuzz/corpus/" + name;
}

}  // namespace pictor::testing
