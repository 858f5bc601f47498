// The one file a request makes, written into memory by the product's own
// pipeline (Generate): for tests that look at a whole file's text.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "export/generate.h"
#include "support/byte_source.h"

namespace tessarine::testing {

// The file's text; empty when it was refused for want of events.
inline std::string GeneratedFile(const GenerateRequest& request, std::chrono::local_seconds now) {
  std::string file;
  GenerateOptions options;
  options.write = [&file](const std::filesystem::path& folder, std::string_view name, const ByteSource& text) {
    file = AllOf(text);
    return WrittenFile{folder / std::string(name), {}};
  };
  options.replace = options.write;
  options.syncFolder = {};
  const Generation done = Generate(request, "/generated", now, options);
  EXPECT_EQ(done.files.size(), 1u) << "a request of more than one file";
  return file;
}

}  // namespace tessarine::testing
