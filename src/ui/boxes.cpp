#include "ui/boxes.h"

#include "model/numfmt.h"
#include "model/units.h"
#include "model/vbmath.h"
#include "platform/qtext.h"

namespace vesk {

QString UnitCaption(const char* text, int code) { return QString::fromUtf8(text) + ", " + qs(UnitLabel(code)); }

void PutMetric(NumBox* box, double v, int code) { PutValue(box, v, FormatMetric(v, code)); }

void PutValue(NumBox* box, double v, const std::string& text) { box->put(qs(text), v); }

std::optional<float> ReadShown(const QString& text, int code)
{
    const auto typed = ParseNumber(ss(text));
    if (!typed)
        return std::nullopt;
    try {
        return ToEnglish(*typed, code);
    } catch (const ArithError&) {
        return std::nullopt;
    }
}

std::optional<float> ReadBox(const NumBox* box, int code)
{
    if (auto v = box->remembered())
        return static_cast<float>(*v);
    return ReadShown(box->text(), code);
}

namespace {
constexpr int kPerFootCode = 20;  // per ft | per m
}  // namespace

void PutPerFoot(NumBox* box, double v, int code) { PutValue(box, v, FormatMetric(ToMetric(v, kPerFootCode), code)); }

std::optional<float> ReadPerFoot(const NumBox* box, int code)
{
    if (auto v = box->remembered())
        return static_cast<float>(*v);
    const std::optional<float> v = ReadShown(box->text(), code);
    if (!v)
        return std::nullopt;
    try {
        return CSng(*v / static_cast<double>(ToMetric(1, kPerFootCode)));
    } catch (const ArithError&) {
        return std::nullopt;
    }
}

std::optional<int16_t> ReadCount(const NumBox* box)
{
    if (auto v = box->remembered())
        return static_cast<int16_t>(*v);
    const auto typed = ParseNumber(ss(box->text()));
    if (!typed)
        return std::nullopt;
    try {
        return CInt(*typed);
    } catch (const ArithError&) {
        return std::nullopt;
    }
}

}  // namespace vesk
