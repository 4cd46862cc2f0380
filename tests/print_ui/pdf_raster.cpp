#include "print_ui/pdf_raster.h"

#include <QProcess>
#include <QStringList>

#include <sstream>

namespace vg::test {

namespace {

bool Run(const QString& program, const QStringList& arguments, QByteArray& output)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    output = process.readAllStandardOutput();
    return true;
}

}  // namespace

bool RasterizePdf(const std::string& pdf, int dpi, PdfRaster& raster, std::vector<int> crop)
{
    QStringList arguments{"-r", QString::number(dpi), "-aa", "no", "-aaVector", "no", "-f", "1", "-l", "1"};
    if (crop.size() == 4)
        arguments << "-x" << QString::number(crop[0]) << "-y" << QString::number(crop[1]) << "-W"
                  << QString::number(crop[2]) << "-H" << QString::number(crop[3]);
    arguments << QString::fromStdString(pdf);
    QByteArray ppm;
    if (!Run("pdftoppm", arguments, ppm)) return false;
    // "P6\n<width> <height>\n255\n" and the pixels.
    std::istringstream header(ppm.left(64).toStdString());
    std::string magic;
    int maxValue = 0;
    header >> magic >> raster.width >> raster.height >> maxValue;
    if (magic != "P6" || maxValue != 255 || raster.width <= 0 || raster.height <= 0) return false;
    const std::size_t start = static_cast<std::size_t>(header.tellg()) + 1;
    const std::size_t size = static_cast<std::size_t>(raster.width) * raster.height * 3;
    if (static_cast<std::size_t>(ppm.size()) < start + size) return false;
    raster.rgb.assign(ppm.begin() + static_cast<qsizetype>(start), ppm.begin() + static_cast<qsizetype>(start + size));
    return true;
}

std::string PdfInfo(const std::string& pdf, const std::string& key)
{
    QByteArray text;
    if (!Run("pdfinfo", {QString::fromStdString(pdf)}, text)) return {};
    for (const QByteArray& line : text.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon) == QByteArray::fromStdString(key)) return line.mid(colon + 1).trimmed().toStdString();
    }
    return {};
}

}  // namespace vg::test
