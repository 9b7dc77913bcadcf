// Cold start to a visible start notice: Pelmo.exe against the minimal dialog program, run alternately in
// the same session so both see the same machine. Prints figures; asserts nothing.
//   bench_startup RUNS PELMO.exe MINIMAL.exe
#include "bench/BenchUtil.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Milliseconds from CreateProcess to the first visible dialog window of the new process; -1 on failure.
double TimeToDialog(const std::string& exe)
{
    PROCESS_INFORMATION pi = {};
    double t0 = bench::NowMs();
    if (!bench::Launch(exe, pi))
        return -1;
    double result = -1;
    while (bench::NowMs() - t0 < 30000) {
        if (bench::FindTop(pi.dwProcessId, "#32770")) {
            result = bench::NowMs() - t0;
            break;
        }
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            break;
        Sleep(1);
    }
    bench::Kill(pi);
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_startup RUNS PELMO.exe MINIMAL.exe\n");
        return 2;
    }
    int runs = std::atoi(argv[1]);
    std::vector<double> pelmo, minimal;
    TimeToDialog(argv[2]);  // warm-up: loads the libraries into the page cache and the wineserver
    TimeToDialog(argv[3]);
    for (int i = 0; i < runs; ++i) {
        double a = TimeToDialog(argv[2]);
        double b = TimeToDialog(argv[3]);
        if (a < 0 || b < 0) {
            std::printf("startup: a program showed no dialog (Pelmo %.1f, minimal %.1f)\n", a, b);
            return 1;
        }
        pelmo.push_back(a);
        minimal.push_back(b);
    }
    double mp = bench::Percentile(pelmo, 50), mm = bench::Percentile(minimal, 50);
    std::printf("startup: Pelmo.exe to visible start notice: median %.1f ms (min %.1f, max %.1f, %d runs)\n", mp,
                bench::Percentile(pelmo, 0), bench::Percentile(pelmo, 100), runs);
    std::printf("startup: minimal dialog program: median %.1f ms (min %.1f, max %.1f)\n", mm,
                bench::Percentile(minimal, 0), bench::Percentile(minimal, 100));
    std::printf("startup: ratio Pelmo / minimal = %.2f\n", mp / mm);
    return 0;
}
