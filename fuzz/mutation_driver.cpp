// A main for the fuzz targets without libFuzzer, so that the sanitized test
// build runs them: every seed once, then seeds changed at random (bits
// flipped, bytes set, inserted and erased, pieces copied and spliced from
// other seeds) until the time is up. The random sequence is fixed, so a
// run repeats. An input that crashes is written to the artifact file first.
//   fuzz_NAME SECONDS ARTIFACT SEED_FOLDER...

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <sanitizer/common_interface_defs.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

using Input = std::vector<std::uint8_t>;

constexpr std::size_t kMaxInput = 64 * 1024;  // longer seeds are cut here
constexpr std::size_t kMaxPool = 4096;        // seeds and kept changed inputs

// The input being run and where it goes when the run dies.
Input current;
std::string artifact;

void save_current() {
  if (std::FILE* f = std::fopen(artifact.c_str(), "wb")) {
    std::fwrite(current.data(), 1, current.size(), f);
    std::fclose(f);
    std::fprintf(stderr, "the crashing input is in %s\n", artifact.c_str());
  }
}

void on_abort(int) {
  save_current();
  std::signal(SIGABRT, SIG_DFL);
  std::raise(SIGABRT);
}

std::vector<Input> read_seeds(int argc, char** argv) {
  std::vector<Input> seeds;
  for (int i = 3; i < argc; ++i) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(argv[i], ec)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      Input seed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (seed.size() > kMaxInput) seed.resize(kMaxInput);
      seeds.push_back(std::move(seed));
    }
  }
  std::sort(seeds.begin(), seeds.end());  // folder order differs between machines
  if (seeds.empty()) seeds.emplace_back();
  return seeds;
}

class Mutator {
 public:
  explicit Mutator(const std::vector<Input>& pool) : pool_(pool) {}

  Input next(std::mt19937& rng) {
    Input in = pick(rng);
    const int changes = 1 + static_cast<int>(below(rng, 4));
    for (int i = 0; i < changes; ++i) change(in, rng);
    if (in.size() > kMaxInput) in.resize(kMaxInput);
    return in;
  }

 private:
  static std::size_t below(std::mt19937& rng, std::size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
  }
  const Input& pick(std::mt19937& rng) const { return pool_[below(rng, pool_.size())]; }

  void change(Input& in, std::mt19937& rng) const {
    // Bytes the parsers give meaning to, besides random ones.
    static constexpr char kMeaningful[] = "0123456789 ,\n\r\t-*<>=/\"\\#%:;.";
    const std::size_t at = below(rng, in.size() + 1);
    switch (below(rng, 7)) {
      case 0:
        if (at < in.size()) in[at] ^= static_cast<std::uint8_t>(1u << below(rng, 8));
        break;
      case 1:
        if (at < in.size()) in[at] = static_cast<std::uint8_t>(below(rng, 256));
        break;
      case 2:
        in.insert(in.begin() + static_cast<std::ptrdiff_t>(at),
                  static_cast<std::uint8_t>(kMeaningful[below(rng, sizeof kMeaningful - 1)]));
        break;
      case 3: {
        const std::size_t n = std::min(in.size() - std::min(at, in.size()), 1 + below(rng, 16));
        in.erase(in.begin() + static_cast<std::ptrdiff_t>(at), in.begin() + static_cast<std::ptrdiff_t>(at + n));
        break;
      }
      case 4: {  // a piece of this or another input copied in
        const Input& from = pick(rng);
        const std::size_t start = below(rng, from.size());
        const std::size_t n = std::min(from.size() - start, 1 + below(rng, 64));
        const Input piece(from.begin() + static_cast<std::ptrdiff_t>(start),
                          from.begin() + static_cast<std::ptrdiff_t>(start + n));
        in.insert(in.begin() + static_cast<std::ptrdiff_t>(at), piece.begin(), piece.end());
        break;
      }
      case 5: {  // this input's head on another's tail
        const Input& other = pick(rng);
        const std::size_t tail = below(rng, other.size() + 1);
        in.resize(at);
        in.insert(in.end(), other.begin() + static_cast<std::ptrdiff_t>(tail), other.end());
        break;
      }
      default:
        if (at < in.size()) in[at] = static_cast<std::uint8_t>(kMeaningful[below(rng, sizeof kMeaningful - 1)]);
        break;
    }
  }

  const std::vector<Input>& pool_;
};

void run(const Input& in) {
  current = in;
  LLVMFuzzerTestOneInput(current.data(), current.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: " << argv[0] << " SECONDS ARTIFACT SEED_FOLDER...\n";
    return 2;
  }
  const auto seconds = std::chrono::seconds(std::atoi(argv[1]));
  artifact = argv[2];
  __sanitizer_set_death_callback(save_current);
  std::signal(SIGABRT, on_abort);
  std::vector<Input> pool = read_seeds(argc, argv);
  if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
  const auto end = std::chrono::steady_clock::now() + seconds;
  for (const Input& seed : pool) run(seed);
  std::mt19937 rng(20261209);
  Mutator mutator(pool);
  std::size_t runs = pool.size();
  while (std::chrono::steady_clock::now() < end) {
    Input in = mutator.next(rng);
    run(in);
    ++runs;
    // Some changed inputs become seeds, so that changes add up.
    if (runs % 8 == 0) {
      if (pool.size() < kMaxPool) pool.push_back(std::move(in));
      else pool[runs / 8 % kMaxPool] = std::move(in);
    }
  }
  std::cout << runs << " runs, no crash\n";
  return 0;
}
