// Starting the tool for a file command against starting a plain C program on the same file:
// what a script pays per call. The printer commands, which load the GUI stack, for contrast.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

const std::string kFile = DAVARAZ_BENCH_DATA "/pia/cp1252_crlf_nul.stb";

// Runs argv with stdout and stderr on /dev/null and waits for it; false unless it exits 0.
bool run(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return rc == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void startup(benchmark::State& state, const std::vector<std::string>& args)
{
    for (auto _ : state)
        if (!run(args))
            state.SkipWithError("the program failed");
}

void BM_Startup_PlainC(benchmark::State& s) { startup(s, {DAVARAZ_BENCH_PLAIN, kFile}); }
void BM_Startup_ToolDump(benchmark::State& s) { startup(s, {DAVARAZ_BENCH_TOOL, "dump", kFile}); }
void BM_Startup_ToolPrinters(benchmark::State& s)
{
    setenv("DAVARAZ_SPOOLER", "virtual", 1);
    startup(s, {DAVARAZ_BENCH_TOOL, "printers"});
}
BENCHMARK(BM_Startup_PlainC)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Startup_ToolDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Startup_ToolPrinters)->Unit(benchmark::kMillisecond);

} // namespace
