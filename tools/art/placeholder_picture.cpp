#include "tools/art/placeholder_picture.h"

#include "tools/art/art_error.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>

#include <algorithm>

namespace art {
namespace {

constexpr QSize kSize(127, 125);
constexpr int kMargin = 6;
constexpr int kParagraphGap = 10;
constexpr int kTextPixelSize = 13;
constexpr int kTextGrey = 96;
constexpr int kBorderGrey = 208;
constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

QFont placeholderFont(const QString& fontFile)
{
    const int id = QFontDatabase::addApplicationFont(fontFile);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        throw ArtError("cannot load the font " + fontFile.toStdString());
    QFont font(families.front());
    font.setPixelSize(kTextPixelSize);
    return font;
}

// Centres the paragraphs as one block, a gap between them.
void drawParagraphs(QPainter& painter, const std::vector<QString>& paragraphs)
{
    const int width = kSize.width() - 2 * kMargin;
    std::vector<QRect> boxes;
    int total = 0;
    for (const QString& text : paragraphs) {
        boxes.push_back(painter.boundingRect(QRect(kMargin, 0, width, kSize.height()), kTextFlags, text));
        total += boxes.back().height();
    }
    total += kParagraphGap * (static_cast<int>(paragraphs.size()) - 1);
    int top = (kSize.height() - total) / 2;
    if (top < kMargin)
        throw ArtError("the placeholder text does not fit");
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        painter.drawText(QRect(kMargin, top, width, boxes[i].height()), kTextFlags, paragraphs[i]);
        top += boxes[i].height() + kParagraphGap;
    }
}

// Antialiased grey text on white holds only greys between the two, so an even ramp of
// greys from white to the text colour loses nothing visible.
QImage toGreyRamp(const QImage& picture)
{
    QList<QRgb> ramp;
    for (int i = 0; i < kPlaceholderColours; ++i) {
        const int level = 255 - i * (255 - kTextGrey) / (kPlaceholderColours - 1);
        ramp.push_back(qRgb(level, level, level));
    }
    QImage indexed(picture.size(), QImage::Format_Indexed8);
    indexed.setColorTable(ramp);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int grey = std::clamp(qGray(picture.pixel(x, y)), kTextGrey, 255);
            const int index = ((255 - grey) * (kPlaceholderColours - 1) + (255 - kTextGrey) / 2) /
                              (255 - kTextGrey);
            indexed.setPixel(x, y, static_cast<uint>(index));
        }
    }
    return indexed;
}

}  // namespace

QImage renderPlaceholder(const std::vector<QString>& paragraphs, const QString& fontFile)
{
    QImage picture(kSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(kBorderGrey, kBorderGrey, kBorderGrey));
    painter.drawRect(0, 0, kSize.width() - 1, kSize.height() - 1);
    painter.setPen(QColor(kTextGrey, kTextGrey, kTextGrey));
    painter.setFont(placeholderFont(fontFile));
    drawParagraphs(painter, paragraphs);
    painter.end();
    return toGreyRamp(picture);
}

}  // namespace art
