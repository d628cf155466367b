// Benchmark entry: runs the registered benchmarks with the console table, then prints one
// line per pair "<kernel>/ours[/args]" and "<kernel>/peer[/args]": both times and the
// ratio peer / ours (above 1 means we are faster). A pair whose other side is our own
// baseline ("<kernel>/baseline[/args]") is printed on its own as "vs baseline".
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
        PrintPairs("/peer", "peer (ns)");
        PrintPairs("/baseline", "baseline (ns)");
    }

private:
    void PrintPairs(const std::string& side, const char* heading) const
    {
        bool header = false;
        for (const auto& [name, ours] : times_) {
            const auto at = name.find("/ours");
            if (at == std::string::npos)
                continue;
            std::string otherName = name;
            otherName.replace(at, 5, side);
            const auto other = times_.find(otherName);
            if (other == times_.end())
                continue;
            if (!header) {
                std::printf("\n%-48s %14s %14s %8s\n", side == "/peer" ? "kernel" : "kernel vs baseline", "ours (ns)",
                            heading, "ratio");
                header = true;
            }
            std::string kernel = name;
            kernel.erase(at, 5);
            std::printf("%-48s %14.0f %14.0f %8.2f\n", kernel.c_str(), ours, other->second, other->second / ours);
        }
    }

    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A widget application, so that peers built on Qt's widget classes can run too.
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    PairingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
