#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/picture_export.h"

namespace vg {

// The picture options both picture dialogs edit (kept in the program
// options).
struct PictureSettings {
    int Width = 400;
    int Height = 200;
    bool UseScale = false;
    long double Scale = 1;

    PictureRequest Request() const { return {Width, Height, UseScale ? Scale : 1}; }
};

enum class PictureField { None, Width, Height, Scale };

// The first refused field and its message: English pieces to translate one
// by one and join with a line break, %s filled with the arguments.
struct PictureFieldCheck {
    PictureField Field = PictureField::None;
    std::vector<std::string> Lines;
    std::vector<std::string> Arguments;

    bool Ok() const { return Field == PictureField::None; }
};

// Checks the typed fields in the dialogs' order: width, height, then the
// scale when it is used. Accepted values go into settings; nothing changes
// on a refusal.
PictureFieldCheck CheckPictureFields(const std::string& widthText, const std::string& heightText,
                                     bool useScale, const std::string& scaleText,
                                     PictureSettings& settings);

// The message of a check with "%s" replaced by its arguments in order; each
// line passes through translate first.
std::string PictureCheckMessage(const PictureFieldCheck& check,
                                const std::function<std::string(const std::string&)>& translate = nullptr);

// The file name with its extension replaced by ".bmp" or ".gif" (or added).
std::string WithPictureExtension(const std::string& fileName, bool gif);

}  // namespace vg
