// Start-up time and peak memory of two programs that each quit once their
// window is shown (quit_when_shown.cpp), run alternately on the same
// display: the time from just before fork to the child's exit, and the
// child's peak resident set (getrusage via wait4).
//
//   startup_bench RUNS PROGRAM BASELINE
//
// Prints one line per program and one of ratios: median and fastest wall
// time, median CPU time (user + system, steadier on a busy machine) and
// median peak memory, over RUNS runs after two unmeasured warm-up runs.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    double cpuMilliseconds; // user + system time of the child
    long peakKilobytes;
};

double Milliseconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

constexpr int TimeLimitSeconds = 30;

bool RunOnce(const char* program, Run& run)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        alarm(TimeLimitSeconds); // a window that never shows must not hang the benchmark
        execl(program, program, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    rusage usage {};
    while (wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            return false;
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", program, status);
        return false;
    }
    run.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    run.cpuMilliseconds = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
    run.peakKilobytes = usage.ru_maxrss;
    return true;
}

template <typename T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Summary {
    double milliseconds;
    double minimumMilliseconds;
    double cpuMilliseconds;
    long peakKilobytes;
};

Summary Summarise(const std::vector<Run>& runs)
{
    std::vector<double> times;
    std::vector<double> cpuTimes;
    std::vector<long> peaks;
    for (const Run& run : runs) {
        times.push_back(run.milliseconds);
        cpuTimes.push_back(run.cpuMilliseconds);
        peaks.push_back(run.peakKilobytes);
    }
    return Summary { Median(times), *std::min_element(times.begin(), times.end()), Median(cpuTimes),
        Median(peaks) };
}

std::string BaseName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM BASELINE\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char* programs[2] = { argv[2], argv[3] };
    std::vector<Run> results[2];

    for (int round = -2; round < runs; ++round) {
        for (int which = 0; which < 2; ++which) {
            Run run {};
            if (!RunOnce(programs[which], run))
                return 1;
            if (round >= 0)
                results[which].push_back(run);
        }
    }

    const Summary program = Summarise(results[0]);
    const Summary baseline = Summarise(results[1]);
    std::printf("%-32s %10s %10s %10s %14s\n", "start-up until shown", "median ms", "min ms",
        "CPU ms", "peak RSS KiB");
    for (int which = 0; which < 2; ++which) {
        const Summary& summary = which == 0 ? program : baseline;
        std::printf("%-32s %10.1f %10.1f %10.1f %14ld\n", BaseName(programs[which]).c_str(),
            summary.milliseconds, summary.minimumMilliseconds, summary.cpuMilliseconds,
            summary.peakKilobytes);
    }
    std::printf("%-32s %10.3f %10.3f %10.3f %14.3f\n", "ratio",
        program.milliseconds / baseline.milliseconds,
        program.minimumMilliseconds / baseline.minimumMilliseconds,
        program.cpuMilliseconds / baseline.cpuMilliseconds,
        static_cast<double>(program.peakKilobytes) / static_cast<double>(baseline.peakKilobytes));
    std::printf(
        "medians of %d alternating runs each; targets: time ratio 1.15, peak memory ratio 1.2\n",
        runs);
    return 0;
}
