// Replays the seed and crash files of one fuzz target through its entry
// point, so the ordinary test run keeps every input that once failed fixed.
// Built with the ordinary compiler; no libFuzzer needed.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

std::vector<std::filesystem::path> inputsBelow(const std::filesystem::path &folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool replay(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    if (!std::filesystem::is_directory(folder)) {
        std::fprintf(stderr, "no corpus folder %s: every fuzz target keeps seeds in fuzz/corpus\n", argv[1]);
        return 1;
    }
    const auto files = inputsBelow(folder);
    if (files.empty()) {
        std::fprintf(stderr, "corpus folder %s is empty\n", argv[1]);
        return 1;
    }
    for (const auto &file : files) {
        if (!replay(file))
            return 1;
    }
    std::printf("%zu inputs replayed\n", files.size());
    return 0;
}
