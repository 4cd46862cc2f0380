#include "document/picture_settings.h"

#include <charconv>

#include "engine/number_text.h"

namespace vg {

namespace {

std::string Trimmed(const std::string& s)
{
    std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    std::size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

bool ReadSize(const std::string& text, int& value)
{
    std::string t = Trimmed(text);
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    long v = 0;
    auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size()) return false;
    if (v < kMinPictureSize || v > kMaxPictureSize) return false;
    value = static_cast<int>(v);
    return true;
}

PictureFieldCheck SizeRefused(PictureField field)
{
    return {field, {"This value must be an integer", "from %s up to %s"}, {"100", "3000"}};
}

}  // namespace

PictureFieldCheck CheckPictureFields(const std::string& widthText, const std::string& heightText,
                                     bool useScale, const std::string& scaleText,
                                     PictureSettings& settings)
{
    int width = 0, height = 0;
    if (!ReadSize(widthText, width)) return SizeRefused(PictureField::Width);
    if (!ReadSize(heightText, height)) return SizeRefused(PictureField::Height);
    long double scale = settings.Scale;
    if (useScale) {
        bool failed = false;
        scale = ParseNumberInput(Trimmed(scaleText), failed);
        if (failed || !(scale >= kMinPictureScale && scale <= kMaxPictureScale))
            return {PictureField::Scale, {"This value must be a number", "from %s up to %s"}, {"1", "10"}};
    }
    settings.Width = width;
    settings.Height = height;
    settings.UseScale = useScale;
    settings.Scale = scale;
    return {};
}

std::string PictureCheckMessage(const PictureFieldCheck& check,
                                const std::function<std::string(const std::string&)>& translate)
{
    std::string text;
    for (std::size_t i = 0; i < check.Lines.size(); ++i) {
        if (i > 0) text += "\r";
        text += translate ? translate(check.Lines[i]) : check.Lines[i];
    }
    std::size_t from = 0;
    for (const std::string& arg : check.Arguments) {
        std::size_t at = text.find("%s", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, arg);
        from = at + arg.size();
    }
    return text;
}

std::string WithPictureExtension(const std::string& fileName, bool gif)
{
    std::size_t slash = fileName.find_last_of('/');
    std::size_t dot = fileName.find_last_of('.');
    std::string base =
        dot != std::string::npos && (slash == std::string::npos || dot > slash) ? fileName.substr(0, dot) : fileName;
    return base + (gif ? ".gif" : ".bmp");
}

}  // namespace vg
