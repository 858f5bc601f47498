#include "cli/generate_run.h"

#include "cli/local_clock.h"

namespace tessarine::cli {

int RunGeneration(const GenerateRequest& request, const std::filesystem::path& folder, std::string_view command,
                  std::ostream& out, std::ostream& err) {
  int status = 0;
  GenerateOptions options;
  options.afterEach = [&](const WrittenFile& file) {
    if (file.error) {
      err << "tessarine-cli " << command << ": cannot write " << file.path.string() << ": "
          << file.error.message() << "\n";
      status = 1;
    } else {
      out << file.path.string() << "\n";
    }
    return AfterFile::Continue;
  };
  Generate(request, folder, LocalNow(), options);
  return status;
}

}  // namespace tessarine::cli
