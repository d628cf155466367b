#include "graphics/raster/gaussian_blur.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// The recursion of one direction: y+(n) = sum N[k] x(n - k) - sum D[k] y+(n - 1 - k) forwards,
// y-(n) = sum M[k] x(n + 1 + k) - sum D[k] y-(n + 1 + k) backwards, y = y+ + y-. The
// numerators are normalised so that a constant line passes unchanged. Large radii put the
// poles close to 1, where single precision loses the gain: coefficients and the running
// state are kept in double precision, the values between passes in single precision.
struct TRecursion {
    std::array<double, 4> N;
    std::array<double, 4> M;
    std::array<double, 4> D;
    double CausalGain;     // y+ of a constant line of 1
    double AntiCausalGain; // y- of a constant line of 1
};

// Deriche's fit of the Gaussian as two damped cosine pairs:
// h(n) = (a0 cos(w0 n/s) + a1 sin(w0 n/s)) e^(-b0 n/s) + (c0 cos(w1 n/s) + c1 sin(w1 n/s)) e^(-b1 n/s).
TRecursion MakeRecursion(double sigma)
{
    constexpr double a0 = 1.6803, a1 = 3.735, b0 = 1.783, b1 = 1.723;
    constexpr double w0 = 0.6318, w1 = 1.997, c0 = -0.6803, c1 = -0.2598;
    const double cos0 = std::cos(w0 / sigma), sin0 = std::sin(w0 / sigma), e0 = std::exp(-b0 / sigma);
    const double cos1 = std::cos(w1 / sigma), sin1 = std::sin(w1 / sigma), e1 = std::exp(-b1 / sigma);

    TRecursion r{};
    r.N = {
        a0 + c0,
        e1 * (c1 * sin1 - (c0 + 2 * a0) * cos1) + e0 * (a1 * sin0 - (2 * c0 + a0) * cos0),
        2 * e0 * e1 * ((a0 + c0) * cos1 * cos0 - a1 * cos1 * sin0 - c1 * cos0 * sin1) + c0 * e0 * e0 + a0 * e1 * e1,
        e1 * e0 * e0 * (c1 * sin1 - c0 * cos1) + e0 * e1 * e1 * (a1 * sin0 - a0 * cos0),
    };
    r.D = {
        -2 * e1 * cos1 - 2 * e0 * cos0,
        4 * cos1 * cos0 * e0 * e1 + e1 * e1 + e0 * e0,
        -2 * cos0 * e0 * e1 * e1 - 2 * cos1 * e1 * e0 * e0,
        e0 * e0 * e1 * e1,
    };
    // The anti-causal half mirrors the causal one without counting h(0) twice.
    r.M = {r.N[1] - r.D[0] * r.N[0], r.N[2] - r.D[1] * r.N[0], r.N[3] - r.D[2] * r.N[0], -r.D[3] * r.N[0]};

    const double denominator = 1 + r.D[0] + r.D[1] + r.D[2] + r.D[3];
    const double causal = (r.N[0] + r.N[1] + r.N[2] + r.N[3]) / denominator;
    const double antiCausal = (r.M[0] + r.M[1] + r.M[2] + r.M[3]) / denominator;
    const double scale = 1 / (causal + antiCausal);
    for (int k = 0; k < 4; ++k) {
        r.N[k] *= scale;
        r.M[k] *= scale;
    }
    r.CausalGain = causal * scale;
    r.AntiCausalGain = antiCausal * scale;
    return r;
}

// Filters one line of values in place, with the edge values repeated outwards.
void FilterLine(float* line, int length, const TRecursion& r, std::vector<double>& causal)
{
    causal.resize(length);
    double x1 = line[0], x2 = x1, x3 = x1;
    double y1 = line[0] * r.CausalGain, y2 = y1, y3 = y1, y4 = y1;
    for (int i = 0; i < length; ++i) {
        const double x0 = line[i];
        const double y0 = r.N[0] * x0 + r.N[1] * x1 + r.N[2] * x2 + r.N[3] * x3 -
                          (r.D[0] * y1 + r.D[1] * y2 + r.D[2] * y3 + r.D[3] * y4);
        causal[i] = y0;
        x3 = x2, x2 = x1, x1 = x0;
        y4 = y3, y3 = y2, y2 = y1, y1 = y0;
    }
    x1 = line[length - 1], x2 = x1, x3 = x1;
    double x4 = x1;
    y1 = line[length - 1] * r.AntiCausalGain, y2 = y1, y3 = y1, y4 = y1;
    for (int i = length - 1; i >= 0; --i) {
        const double y0 = r.M[0] * x1 + r.M[1] * x2 + r.M[2] * x3 + r.M[3] * x4 -
                          (r.D[0] * y1 + r.D[1] * y2 + r.D[2] * y3 + r.D[3] * y4);
        x4 = x3, x3 = x2, x2 = x1, x1 = line[i];
        y4 = y3, y3 = y2, y2 = y1, y1 = y0;
        line[i] = float(causal[i] + y0);
    }
}

// Filters every row of a block of values along its rows (each of the channels interleaved
// in a row on its own).
void FilterRows(std::vector<float>& values, int width, int channels, int rows, const TRecursion& r)
{
    std::vector<float> line(width);
    std::vector<double> causal;
    for (int y = 0; y < rows; ++y) {
        float* row = values.data() + std::size_t(y) * width * channels;
        for (int c = 0; c < channels; ++c) {
            for (int x = 0; x < width; ++x)
                line[x] = row[x * channels + c];
            FilterLine(line.data(), width, r, causal);
            for (int x = 0; x < width; ++x)
                row[x * channels + c] = line[x];
        }
    }
}

// Filters the columns of a block of lanes x rows values: the recursion of FilterLine, run
// over whole rows at a time so that every lane moves together. The state of each direction
// is the last four result rows, kept in a ring of rows in double precision that starts
// with the steady values of the edge row.
class TColumnFilter {
public:
    TColumnFilter(std::vector<float>& values, int lanes, int rows, const TRecursion& r)
        : values_(values), lanes_(lanes), rows_(rows), r_(r), ring_(std::size_t(4) * lanes), current_(lanes)
    {
    }

    void Run()
    {
        std::vector<float> out(values_.size());
        Start(0, r_.CausalGain);
        for (int y = 0; y < rows_; ++y) {
            // The results of rows y - 1 ... y - 4 are in slots (y + 3 - k) mod 4.
            Step(r_.N, [&](int k) { return std::max(y - k, 0); }, [&](int k) { return (y + 3 - k) % 4; });
            Store(y % 4);
            std::copy(current_.begin(), current_.end(), Row(out, y));
        }
        Start(rows_ - 1, r_.AntiCausalGain);
        for (int y = rows_ - 1; y >= 0; --y) {
            // The results of rows y + 1 ... y + 4 are in slots (y + 1 + k) mod 4.
            Step(r_.M, [&](int k) { return std::min(y + 1 + k, rows_ - 1); }, [&](int k) { return (y + 1 + k) % 4; });
            Store(y % 4);
            float* result = Row(out, y);
            for (int i = 0; i < lanes_; ++i)
                result[i] = float(result[i] + current_[i]);
        }
        values_.swap(out);
    }

private:
    float* Row(std::vector<float>& block, int y) const { return block.data() + std::size_t(y) * lanes_; }
    double* Slot(int slot) { return ring_.data() + std::size_t(slot) * lanes_; }

    void Start(int edgeRow, double gain)
    {
        const float* edge = Row(values_, edgeRow);
        for (int slot = 0; slot < 4; ++slot)
            for (int i = 0; i < lanes_; ++i)
                Slot(slot)[i] = gain * edge[i];
    }

    template <class InputRow, class ResultSlot>
    void Step(const std::array<double, 4>& numerator, InputRow inputRow, ResultSlot resultSlot)
    {
        std::fill(current_.begin(), current_.end(), 0.0);
        for (int k = 0; k < 4; ++k) {
            const float* x = Row(values_, inputRow(k));
            const double* past = Slot(resultSlot(k));
            const double n = numerator[k], d = r_.D[k];
            for (int i = 0; i < lanes_; ++i)
                current_[i] += n * x[i] - d * past[i];
        }
    }

    void Store(int slot) { std::copy(current_.begin(), current_.end(), Slot(slot)); }

    std::vector<float>& values_;
    const int lanes_;
    const int rows_;
    const TRecursion& r_;
    std::vector<double> ring_;
    std::vector<double> current_;
};

int ChannelsOf(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Grayscale8:
    case QImage::Format_Alpha8:
    case QImage::Format_Indexed8:
        return 1;
    case QImage::Format_BGR888:
    case QImage::Format_RGB888:
        return 3;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return 4;
    default:
        return 0;
    }
}

} // namespace

double GaussianSigma(double radius)
{
    return (radius + 1) / std::sqrt(2 * std::log(255.0));
}

void GaussianBlur(QImage& image, const QRect& rect, double radiusX, double radiusY)
{
    const bool rows = radiusX >= 1, columns = radiusY >= 1;
    const int channels = ChannelsOf(image.format());
    const QRect area = rect.intersected(image.rect());
    if ((!rows && !columns) || channels == 0 || area.isEmpty())
        return;

    const int width = area.width(), height = area.height(), lanes = width * channels;
    std::vector<float> values(std::size_t(lanes) * height);
    for (int y = 0; y < height; ++y) {
        const uchar* from = image.constScanLine(area.top() + y) + std::size_t(area.left()) * channels;
        std::copy(from, from + lanes, values.begin() + std::ptrdiff_t(std::size_t(y) * lanes));
    }
    if (rows)
        FilterRows(values, width, channels, height, MakeRecursion(GaussianSigma(radiusX)));
    if (columns)
        TColumnFilter(values, lanes, height, MakeRecursion(GaussianSigma(radiusY))).Run();
    for (int y = 0; y < height; ++y) {
        uchar* to = image.scanLine(area.top() + y) + std::size_t(area.left()) * channels;
        const float* from = values.data() + std::size_t(y) * lanes;
        for (int i = 0; i < lanes; ++i)
            to[i] = uchar(std::clamp(from[i], 0.0f, 255.0f) + 0.5f);
    }
}
