// The main of a fuzz target in the normal build, where libFuzzer is not at
// hand: feeds every file of the directories (or the files) named on the
// command line to the target once. A crash or an exception the target does
// not expect ends the program abnormally, so a seed corpus run as a test
// fails on a regression.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& argument) {
  std::vector<std::filesystem::path> inputs;
  if (std::filesystem::is_directory(argument)) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argument)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    // Sorted, so two runs feed the files in the same order.
    std::sort(inputs.begin(), inputs.end());
  } else {
    inputs.push_back(argument);
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIRECTORY_OR_FILE...\n", argv[0]);
    return 2;
  }
  std::size_t fed = 0;
  for (int i = 1; i < argc; ++i) {
    if (!std::filesystem::exists(argv[i])) {
      std::fprintf(stderr, "%s: no such file or directory\n", argv[i]);
      return 2;
    }
    for (const std::filesystem::path& input : InputsOf(argv[i])) {
      std::ifstream file(input, std::ios::binary);
      if (!file) {
        std::fprintf(stderr, "%s: cannot be read\n", input.c_str());
        return 2;
      }
      const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                    std::istreambuf_iterator<char>()};
      // Named before the run, so the last line printed tells which input crashed.
      std::fprintf(stderr, "running %s\n", input.c_str());
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++fed;
    }
  }
  std::fprintf(stderr, "%zu inputs, no failure\n", fed);
  return fed == 0 ? 1 : 0;
}
