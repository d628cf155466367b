// Benchmark entry: runs the registered benchmarks with the console table, then prints one
// line per pair: "<kernel>/ours[/args]" against "<kernel>/peer[/args]" (a peer library
// doing the same work) or against "<kernel>/baseline[/args]" (our own simpler or older way
// of doing it), with both times and the ratio other / ours (above 1 means ours is faster).
// Each line says which of the two it compares with, so a baseline is never read as a peer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <map>
#include <string>

namespace {

class PairingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            // Times in nanoseconds so that pairs with different display units compare.
            const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            times_[run.benchmark_name()] = seconds * 1e9;
        }
    }

    void PrintRatios() const
    {
        bool header = false;
        for (const auto& [name, ours] : times_) {
            const auto at = name.find("/ours");
            if (at == std::string::npos)
                continue;
            for (const char* side : {"peer", "baseline"}) {
                std::string otherName = name;
                otherName.replace(at, 5, std::string("/") + side);
                const auto other = times_.find(otherName);
                if (other == times_.end())
                    continue;
                if (!header) {
                    std::printf("\n%-48s %14s %14s %8s  %s\n", "kernel", "ours (ns)", "other (ns)", "ratio", "against");
                    header = true;
                }
                std::string kernel = name;
                kernel.erase(at, 5);
                std::printf("%-48s %14.0f %14.0f %8.2f  vs %s\n", kernel.c_str(), ours, other->second,
                            other->second / ours, side);
            }
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    PairingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
