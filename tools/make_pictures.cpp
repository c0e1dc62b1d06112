// Draws the card and board pictures the program carries: every card as an
// 80 x 80 icon with its short name and connector kind, every board of the
// selector as a green board outline with its parts labelled (a board with a
// table of its parts, boards/cyclone5/SocPictures.h or a picture table of
// boards/BoardPicture.h, is drawn from that table, whose rectangles its
// form's outlines frame), and the forms' logos, the maker's wordmark and the
// family badges. Writes them below <resources folder>/pictures and prints the
// lines of resources/embedded.txt. One card picture is written as a JPEG (libjpeg,
// full colour resolution) to keep the JPEG path of the picture loader in use.
//
//   make_pictures <resources folder>
//
// A picture that already exists under a board's name is left alone.

#include "app/FormBoardSelector.h"
#include "app/FormMain.h"
#include "boards/BoardPicture.h"
#include "boards/Boards.h"
#include "boards/cyclone5/GpioBoardPictures.h"
#include "boards/cyclone5/HsmcBoardPictures.h"
#include "boards/cyclone5/SocPictures.h"
#include "boards/stratix4/KelmisVccio.h"
#include "model/CardCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>

namespace {

// The card picture written as a JPEG.
const char* const kJpegPicture = "GPIO_80_BITMAP";

QString Words(const std::string& s) {
    QString t = QString::fromStdString(s);
    t.replace('_', ' ');
    return t.simplified();
}

struct Kind {
    QString label;
    QColor board;
};

Kind KindOf(ConnectorType type, CardId card) {
    switch (card) {
    case CARD_ARDUINO_DIGITAL:
        return {"Arduino", QColor(0, 110, 130)};
    case CARD_BBB_DEFAULT:
    case CARD_BBB_WIFI_BLE:
    case CARD_BBB_MODE7:
        return {"BBB Cape", QColor(60, 60, 70)};
    default:
        break;
    }
    switch (type) {
    case CONNECTOR_HSMC:
        return {"HSMC", QColor(28, 78, 150)};
    case CONNECTOR_KIRREL:
        return {"Kirrel", QColor(0, 120, 120)};
    case CONNECTOR_GPIO40:
        return {"GPIO 40-pin", QColor(24, 110, 50)};
    case CONNECTOR_GPIO80:
        return {"GPIO 2x40-pin", QColor(24, 110, 50)};
    case CONNECTOR_DDR2_SODIMM:
    case CONNECTOR_DDR3_SODIMM:
    case CONNECTOR_DDR4_SODIMM:
        return {"SODIMM", QColor(70, 90, 60)};
    case CONNECTOR_FMC_HPC:
        return {"FMC HPC", QColor(110, 50, 120)};
    case CONNECTOR_FMC_LPC:
        return {"FMC LPC", QColor(110, 50, 120)};
    case CONNECTOR_ERGAN_2x6:
        return {"2x6 header", QColor(190, 100, 20)};
    case CONNECTOR_DDR4_SODIMM_IF:
    case CONNECTOR_DDR4_SODIMM_IF_ECC:
        return {"Memory module", QColor(70, 90, 60)};
    default:
        return {"Card", QColor(80, 80, 80)};
    }
}

// Text that fits the width, broken at spaces, at most maxLines lines.
void DrawFitted(QPainter& p, const QRect& box, const QString& text, int pixelSize, bool bold,
                int maxLines) {
    for (int size = pixelSize; size >= 7; --size) {
        QFont font("DejaVu Sans");
        font.setPixelSize(size);
        font.setBold(bold);
        const QFontMetrics fm(font);
        QStringList lines;
        QString line;
        bool fits = true;
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
            const QString candidate = line.isEmpty() ? word : line + ' ' + word;
            if (fm.horizontalAdvance(candidate) <= box.width()) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty()) {
                lines << line;
            }
            line = word;
            if (fm.horizontalAdvance(word) > box.width()) {
                fits = false;
            }
        }
        if (!line.isEmpty()) {
            lines << line;
        }
        if (!fits || lines.size() > maxLines || lines.size() * fm.height() > box.height()) {
            continue;
        }
        p.setFont(font);
        const int total = static_cast<int>(lines.size()) * fm.height();
        int y = box.top() + (box.height() - total) / 2;
        for (const QString& l : lines) {
            p.drawText(QRect(box.left(), y, box.width(), fm.height()), Qt::AlignCenter, l);
            y += fm.height();
        }
        return;
    }
    QFont font("DejaVu Sans");
    font.setPixelSize(7);
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
}

QImage CardIcon(const QString& name, const Kind& kind) {
    QImage image(80, 80, QImage::Format_RGB32);
    image.fill(QColor(240, 240, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The card.
    p.setPen(QPen(kind.board.darker(160), 1.5));
    p.setBrush(kind.board);
    p.drawRoundedRect(QRectF(3.5, 3.5, 73, 73), 6, 6);
    // Its connector along the bottom edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(10, 62, 60, 8));
    p.setBrush(QColor(212, 175, 55));
    for (int i = 0; i < 14; ++i) {
        p.drawRect(QRectF(12 + i * 4.2, 64.5, 2, 3));
    }
    // Texts.
    p.setPen(Qt::white);
    DrawFitted(p, QRect(7, 8, 66, 38), name, 13, true, 3);
    p.setPen(QColor(255, 255, 255, 220));
    DrawFitted(p, QRect(6, 46, 68, 14), kind.label, 10, false, 1);
    return image;
}

struct BoardLook {
    QString family;
    int seed;
};

QString FamilyOf(int id) {
    static const std::set<int> cyclone5 = {19, 20, 21, 22, 23, 24, 25, 34, 37};
    static const std::set<int> stratix3 = {6, 7, 8, 9, 12, 100, 101};
    static const std::set<int> stratix5 = {15, 16, 17, 18, 31};
    static const std::set<int> arria10 = {27, 28, 33, 35, 36};
    if (cyclone5.count(id))
        return "Cyclone V";
    if (stratix3.count(id))
        return "Stratix / Arria II";
    if (stratix5.count(id))
        return "Stratix V";
    if (arria10.count(id))
        return "Arria 10 / Stratix 10";
    return "Cyclone / MAX 10";
}

void Part(QPainter& p, const QRectF& r, const QColor& fill, const QString& label,
          const QColor& text = Qt::white) {
    p.setPen(QPen(fill.darker(170), 1));
    p.setBrush(fill);
    p.drawRect(r);
    p.setPen(text);
    QFont font("DejaVu Sans");
    font.setPixelSize(9);
    p.setFont(font);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, label);
}

QImage GenericBoardPicture(const QString& title, const QString& family, int seed) {
    const int w = 400;
    const int h = 240;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The board: a green outline on a pale green ground, four mounting holes.
    const QRectF board(6.5, 6.5, w - 13, h - 13);
    p.setPen(QPen(QColor(20, 110, 40), 3));
    p.setBrush(QColor(226, 242, 228));
    p.drawRoundedRect(board, 10, 10);
    p.setPen(QPen(QColor(20, 110, 40), 1.5));
    p.setBrush(Qt::white);
    for (const QPointF c :
         {QPointF(20, 20), QPointF(w - 20, 20), QPointF(20, h - 20), QPointF(w - 20, h - 20)}) {
        p.drawEllipse(c, 5, 5);
    }
    // Title.
    p.setPen(QColor(20, 80, 30));
    QFont titleFont("DejaVu Sans");
    titleFont.setPixelSize(13);
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.drawText(QRectF(34, 12, w - 68, 20), Qt::AlignCenter, title);

    // The FPGA in the middle.
    const QRectF fpga(150, 80, 96, 86);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(45, 45, 50));
    p.drawRect(fpga);
    p.setPen(QColor(150, 150, 150));
    for (int i = 0; i < 10; ++i) {
        const qreal o = 8 + i * 8.2;
        p.drawLine(QPointF(fpga.left() + o, fpga.top() - 4), QPointF(fpga.left() + o, fpga.top()));
        p.drawLine(QPointF(fpga.left() + o, fpga.bottom()),
                   QPointF(fpga.left() + o, fpga.bottom() + 4));
    }
    p.setPen(Qt::white);
    QFont chip("DejaVu Sans");
    chip.setPixelSize(12);
    chip.setBold(true);
    p.setFont(chip);
    p.drawText(fpga.adjusted(0, 14, 0, -40), Qt::AlignCenter, "FPGA");
    chip.setPixelSize(9);
    chip.setBold(false);
    p.setFont(chip);
    p.drawText(fpga.adjusted(4, 40, -4, -8), Qt::AlignCenter | Qt::TextWordWrap, family);

    // Parts around it; the arrangement varies a little from board to board.
    const bool flip = seed % 2 == 1;
    const qreal memX = flip ? 296 : 60;
    Part(p, QRectF(memX, 84, 40, 30), QColor(70, 90, 60), "DDR");
    Part(p, QRectF(memX, 122, 40, 30), QColor(70, 90, 60), "DDR");
    Part(p, QRectF(flip ? 60 : 296, 90, 44, 22), QColor(160, 160, 160), "CLOCK",
         QColor(30, 30, 30));
    Part(p, QRectF(flip ? 60 : 296, 124, 44, 26), QColor(90, 90, 100), "USB");
    // LEDs and keys along the bottom edge.
    p.setPen(QColor(20, 80, 30));
    QFont small("DejaVu Sans");
    small.setPixelSize(9);
    p.setFont(small);
    const int leds = 4 + seed % 5;
    for (int i = 0; i < leds; ++i) {
        p.setPen(QPen(QColor(120, 0, 0), 1));
        p.setBrush(QColor(230, 40, 40));
        p.drawEllipse(QPointF(40 + i * 12, 196), 3.5, 3.5);
    }
    p.setPen(QColor(20, 80, 30));
    p.drawText(QRectF(32, 204, 12 * leds + 16, 12), Qt::AlignCenter, "LED");
    const int keys = 2 + seed % 3;
    for (int i = 0; i < keys; ++i) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(170 + i * 18, 188, 12, 12));
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(QPointF(176 + i * 18, 194), 3, 3);
    }
    p.setPen(QColor(20, 80, 30));
    p.drawText(QRectF(164, 204, 18 * keys + 8, 12), Qt::AlignCenter, "KEY");
    Part(p, QRectF(w - 82, 186, 46, 26), QColor(40, 40, 40), "POWER");
    // Expansion connectors along the left and right edges.
    p.setPen(Qt::NoPen);
    for (const qreal x : {22.0, w - 34.0}) {
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRectF(x, 44, 12, 128));
        p.setBrush(QColor(212, 175, 55));
        for (int i = 0; i < 20; ++i) {
            p.drawRect(QRectF(x + 2, 47 + i * 6.3, 3, 3));
            p.drawRect(QRectF(x + 7, 47 + i * 6.3, 3, 3));
        }
    }
    p.setPen(QColor(20, 80, 30));
    p.save();
    p.translate(44, 108);
    p.rotate(-90);
    p.drawText(QRectF(-50, -6, 100, 12), Qt::AlignCenter, "EXPANSION");
    p.restore();
    p.save();
    p.translate(w - 44, 108);
    p.rotate(90);
    p.drawText(QRectF(-50, -6, 100, 12), Qt::AlignCenter, "EXPANSION");
    p.restore();
    return image;
}

// --- boards drawn from a table of their labelled parts -------------------
// The forms' outlines use the parts' rectangles, so each frames its part.

void DrawPins(QPainter& p, const QRectF& r, int rows) {
    // Two (or one) rows of gold pins along the longer side of a header.
    const bool across = r.width() >= r.height();
    const qreal length = across ? r.width() : r.height();
    const int count = std::max(1, static_cast<int>((length - 6) / 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(212, 175, 55));
    for (int i = 0; i < count; ++i) {
        for (int row = 0; row < rows; ++row) {
            const qreal along = 4 + i * 6;
            const qreal side = 3 + row * 6;
            const QRectF pin = across ? QRectF(r.left() + along, r.top() + side, 3, 3)
                                      : QRectF(r.left() + side, r.top() + along, 3, 3);
            p.drawRect(pin);
        }
    }
}

void DrawTablePart(QPainter& p, const socpicture::Part& part) {
    using socpicture::Look;
    const QRectF r(part.x + 1, part.y + 1, part.width - 2, part.height - 2);
    QColor fill;
    QColor text = Qt::white;
    switch (part.look) {
    case Look::Header:
        fill = QColor(30, 30, 30);
        break;
    case Look::Chip:
        fill = QColor(45, 45, 50);
        break;
    case Look::Memory:
        fill = QColor(70, 90, 60);
        break;
    case Look::Connector:
        fill = QColor(150, 150, 160);
        text = QColor(20, 20, 20);
        break;
    case Look::Leds:
    case Look::Keys:
    case Look::Switches:
        fill = QColor(226, 242, 228);
        text = QColor(20, 80, 30);
        break;
    case Look::Power:
        fill = QColor(60, 60, 60);
        break;
    }
    p.setPen(QPen(fill.darker(170), 1));
    p.setBrush(fill);
    p.drawRect(r);
    QRectF labelBox = r.adjusted(2, 1, -2, -1);
    switch (part.look) {
    case Look::Header: {
        // Pins along the longer side, the label beside them.
        const bool across = r.width() >= r.height();
        const int rows = std::min(r.width(), r.height()) > 30 ? 2 : 1;
        DrawPins(p, r, rows);
        const qreal pins = 3 + rows * 6;
        labelBox = across ? r.adjusted(2, pins, -2, 0) : r.adjusted(pins + 1, 0, 0, 0);
        break;
    }
    case Look::Leds:
        p.setPen(QPen(QColor(120, 0, 0), 1));
        p.setBrush(QColor(230, 40, 40));
        for (int i = 0; i < 8; ++i) {
            p.drawEllipse(QPointF(r.left() + 8 + i * 8, r.center().y()), 2.5, 2.5);
        }
        labelBox = r.adjusted(70, 0, 0, 0);
        break;
    case Look::Keys:
    case Look::Switches: {
        const int count = part.look == Look::Keys ? 2 : 4;
        const qreal step = (r.width() - 4) / count;
        for (int i = 0; i < count; ++i) {
            const QRectF cap(r.left() + 3 + i * step, r.top() + 3, step - 4, 12);
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setBrush(part.look == Look::Keys ? QColor(200, 200, 200) : QColor(40, 70, 160));
            p.drawRect(cap);
        }
        labelBox = r.adjusted(0, 15, 0, 0);
        break;
    }
    default:
        break;
    }
    p.setPen(text);
    DrawFitted(p, labelBox.toRect(), part.label, 10, part.look == Look::Chip, 3);
}

QImage TableBoardPicture(const QString& title, std::span<const socpicture::Part> parts) {
    QImage image(socpicture::kWidth, socpicture::kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF board(3.5, 3.5, socpicture::kWidth - 7, socpicture::kHeight - 7);
    p.setPen(QPen(QColor(20, 40, 110), 3));
    p.setBrush(QColor(40, 70, 150));
    p.drawRoundedRect(board, 10, 10);
    p.setPen(QPen(QColor(200, 200, 210), 1.5));
    p.setBrush(Qt::white);
    for (const QPointF c : {QPointF(14, 14), QPointF(socpicture::kWidth - 14, 14),
                            QPointF(14, socpicture::kHeight - 14),
                            QPointF(socpicture::kWidth - 14, socpicture::kHeight - 14)}) {
        p.drawEllipse(c, 4, 4);
    }
    p.setPen(Qt::white);
    QFont titleFont("DejaVu Sans");
    titleFont.setPixelSize(14);
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.drawText(QRectF(30, 10, socpicture::kWidth - 60, 24), Qt::AlignCenter, title);
    for (const socpicture::Part& part : parts) {
        DrawTablePart(p, part);
    }
    return image;
}

// The boards drawn from a table of parts (boards/cyclone5/SocPictures.h).
using DrawnBoard = socpicture::Board;
constexpr std::span<const DrawnBoard> kDrawnBoards = socpicture::kBoards;

// The logos of the forms: the maker's wordmark and the device badge.
QImage Logo(const QString& text, const QColor& ground, const QColor& ink, bool badge) {
    // A clear ground: the logo stands on forms and panels of any colour.
    QImage image(150, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (badge) {
        p.setPen(QPen(ground.darker(150), 1.5));
        p.setBrush(ground);
        p.drawRoundedRect(QRectF(2.5, 4.5, 145, 31), 8, 8);
    }
    p.setPen(ink);
    QFont font("DejaVu Sans");
    font.setPixelSize(badge ? 18 : 26);
    font.setBold(true);
    font.setItalic(!badge);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 150, 40), Qt::AlignCenter, text);
    return image;
}

struct LogoPicture {
    const char* picture;
    const char* text;
    QColor ground;
    QColor ink;
    bool badge;
};

// --- pictures drawn from a board's picture table -------------------------

QFont PixelFont(int size, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

void Caption(QPainter& p, const QRectF& r, const QString& text, const QColor& colour) {
    p.setPen(colour);
    for (int size = 10; size >= 6; --size) {
        p.setFont(PixelFont(size));
        const QFontMetrics fm(p.font());
        if (fm.horizontalAdvance(text) <= r.width() - 2 && fm.height() <= r.height()) {
            break;
        }
    }
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text);
}

// A caption's font: the largest of 10 down to 6 pixels whose single line
// fits the box, or 0 when none does.
int CaptionSize(const QRectF& box, const QString& text) {
    for (int size = 10; size >= 6; --size) {
        const QFontMetrics fm(PixelFont(size));
        if (fm.horizontalAdvance(text) <= box.width() - 2 && fm.height() <= box.height() + 1) {
            return size;
        }
    }
    return 0;
}

QRectF PartBox(const PicturePart& part) {
    return QRectF(part.x, part.y, part.width, part.height);
}

// The largest band of box, across or upright, that no other part of the
// picture covers (parts drawn over a larger one, as chips over a socket on
// the back); across: a band over the whole width, else over the whole height.
QRectF FreeBand(const BoardPicture& picture, const PicturePart& self, const QRectF& box,
                bool across, const std::vector<QRectF>& taken) {
    std::vector<std::pair<qreal, qreal>> covered;
    for (const PicturePart& other : picture.parts) {
        const QRectF o = PartBox(other);
        // A part under this one (a footprint on the back that holds it)
        // leaves its caption alone.
        if (&other == &self || !o.intersects(box) || o.contains(PartBox(self))) {
            continue;
        }
        covered.emplace_back(across ? o.top() : o.left(), across ? o.bottom() : o.right());
    }
    for (const QRectF& o : taken) {
        if (o.intersects(box)) {
            covered.emplace_back(across ? o.top() : o.left(), across ? o.bottom() : o.right());
        }
    }
    std::sort(covered.begin(), covered.end());
    const qreal first = across ? box.top() : box.left();
    const qreal last = across ? box.bottom() : box.right();
    qreal bestStart = first;
    qreal bestLength = 0;
    qreal start = first;
    const auto consider = [&](qreal end) {
        if (end - start > bestLength) {
            bestStart = start;
            bestLength = end - start;
        }
    };
    for (const auto& [a, b] : covered) {
        consider(std::min(a, last));
        start = std::max(start, b);
    }
    consider(last);
    return across ? QRectF(box.left(), bestStart, box.width(), bestLength)
                  : QRectF(bestStart, box.top(), bestLength, box.height());
}

// The smallest caption font written inside a part; a smaller one goes beside.
constexpr int kInsideCaption = 7;

// The captions of a table picture are written after every part is drawn,
// those of the parts on the board's front first: a caption one of them puts
// beside its part (taken) is then kept free by the captions that follow.
struct PendingCaption {
    bool back;
    std::function<void(std::vector<QRectF>& taken)> write;
};
std::vector<PendingCaption> gPendingCaptions;

// Writes a part's caption where the form's outline leaves it readable:
// inside the part, clear of the outline's pen and of the parts drawn over
// it, or, where the part is too small for that, on the board beside it.
void WriteCaption(QPainter& p, const BoardPicture& picture, const PicturePart& part,
                  const QRectF& inside, const QString& text, const QColor& colour,
                  std::vector<QRectF>& taken) {
    const int pen = part.outline ? OutlineWidth(picture, part) + 1 : 3;
    const QRectF box = PartBox(part);
    const QRectF clear = inside.intersected(box.adjusted(pen, pen, -pen, -pen));
    QRectF band = FreeBand(picture, part, clear, true, taken);
    const QRectF upright = FreeBand(picture, part, clear, false, taken);
    if (CaptionSize(upright, text) > CaptionSize(band, text)) {
        band = upright;
    }
    if (CaptionSize(band, text) >= kInsideCaption) {
        Caption(p, band, text, colour);
        return;
    }
    // Beside the part: below, above, right or left, on free board (over
    // the footprint of a part on the back that holds it, too).
    const QFontMetrics fm(PixelFont(8));
    const qreal w = fm.horizontalAdvance(text) + 4;
    const qreal h = fm.height();
    const QRectF candidates[] = {
        QRectF(box.center().x() - w / 2, box.bottom() + 1, w, h),
        QRectF(box.center().x() - w / 2, box.top() - h - 1, w, h),
        QRectF(box.right() + 1, box.center().y() - h / 2, w, h),
        QRectF(box.left() - w - 1, box.center().y() - h / 2, w, h),
    };
    const QRectF board(2, 2, picture.width - 4, picture.height - 4);
    for (const QRectF& c : candidates) {
        const auto blocks = [&](const PicturePart& o) {
            const bool holder = o.dotted && &o != &part && PartBox(o).contains(box);
            return !holder && PartBox(o).intersects(c);
        };
        const bool free = board.contains(c) &&
                          std::none_of(picture.parts.begin(), picture.parts.end(), blocks) &&
                          std::none_of(taken.begin(), taken.end(),
                                       [&](const QRectF& t) { return t.intersects(c); });
        if (free) {
            p.setPen(QColor(20, 80, 30));
            p.setFont(PixelFont(8));
            p.drawText(c, Qt::AlignCenter, text);
            taken.push_back(c);
            return;
        }
    }
    Caption(p, band.height() > 0 ? band : clear, text, colour);
}

// Queues a part's caption (WriteCaption) for TablePicture to write.
void PlaceCaption(QPainter& p, const BoardPicture& picture, const PicturePart& part,
                  const QRectF& inside, const QString& text, const QColor& colour) {
    gPendingCaptions.push_back(
        {part.dotted, [&p, &picture, &part, inside, text, colour](std::vector<QRectF>& taken) {
             WriteCaption(p, picture, part, inside, text, colour, taken);
         }});
}

// The height below which a lying header, a row of keys or of LEDs is too
// slim for its usual drawing inside the outline's margin (two rows of pins,
// keys above their caption, round LEDs); 0 for the other looks.
int SlimBelow(PartLook look) {
    switch (look) {
    case PartLook::Header:
        return 12;
    case PartLook::Keys:
        return 14;
    case PartLook::Leds:
        return 8;
    default:
        return 0;
    }
}

// A part only a few pixels high, as on a board's crowded edge: its shape
// fills the part's rectangle with a thinner margin and carries no caption,
// so that it covers neither its neighbours nor a caption of its own.
bool DrawSlimPart(QPainter& p, const PicturePart& part) {
    const QRectF box(part.x, part.y, part.width, part.height);
    if (box.height() >= SlimBelow(part.look) || box.width() < box.height()) {
        return false;
    }
    const QRectF r = box.adjusted(2, 2, -2, -2);
    switch (part.look) {
    case PartLook::Header: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(r);
        p.setBrush(QColor(212, 175, 55));
        const qreal pin = std::min<qreal>(2, r.height() / 2);
        for (qreal o = 1; o + pin < r.width(); o += 4) {
            p.drawRect(QRectF(r.left() + o, r.center().y() - pin / 2, pin, pin));
        }
        return true;
    }
    case PartLook::Keys: {
        const int count = std::max(1, static_cast<int>(r.width() / 10));
        const qreal w = r.width() / count;
        for (int i = 0; i < count; ++i) {
            const QRectF key(r.left() + w * i + 1, r.top(), w - 2, r.height());
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(key);
            p.setBrush(QColor(60, 60, 60));
            const qreal dot = std::min<qreal>(2, key.height() / 3);
            p.drawEllipse(key.center(), dot, dot);
        }
        return true;
    }
    default: { // Leds
        const int count = std::max(1, static_cast<int>(r.width() / 6));
        const qreal radius = std::max<qreal>(1, std::min<qreal>(2, r.height() / 2));
        for (int i = 0; i < count; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(i % 5 == 4 ? QColor(40, 170, 60) : QColor(230, 40, 40));
            const qreal cx = r.left() + (r.width() / count) * (i + 0.5);
            p.drawEllipse(QPointF(cx, r.center().y()), radius, radius);
        }
        return true;
    }
    }
}

// One part, drawn inside its rectangle with a margin, so that the form's
// outline (4 pixels, drawn inside the same rectangle) frames it.
void DrawPart(QPainter& p, const BoardPicture& picture, const PicturePart& part) {
    const QString family = QString::fromUtf8(picture.family);
    if (DrawSlimPart(p, part)) {
        return;
    }
    const QRectF box(part.x, part.y, part.width, part.height);
    const QRectF r = box.adjusted(3, 3, -3, -3);
    const QString label = QString::fromUtf8(part.label);
    switch (part.look) {
    case PartLook::Fpga: {
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(45, 45, 50));
        p.drawRect(r);
        p.setPen(QColor(150, 150, 150));
        for (qreal o = 6; o < r.width() - 4; o += 7) {
            p.drawLine(QPointF(r.left() + o, r.top() - 3), QPointF(r.left() + o, r.top()));
            p.drawLine(QPointF(r.left() + o, r.bottom()), QPointF(r.left() + o, r.bottom() + 3));
        }
        p.setPen(Qt::white);
        p.setFont(PixelFont(12, true));
        p.drawText(r.adjusted(0, 6, 0, -r.height() / 2), Qt::AlignCenter, label);
        Caption(p, r.adjusted(2, r.height() / 2, -2, -4), family, QColor(220, 220, 220));
        return;
    }
    case PartLook::Chip:
    case PartLook::Memory:
        if (part.dotted) { // a part on the board's back: its dashed footprint
            p.setPen(QPen(QColor(40, 90, 50), 1, Qt::DashLine));
            p.setBrush(QColor(206, 228, 210));
            p.drawRect(r);
            PlaceCaption(p, picture, part, r, label, QColor(30, 75, 40));
            return;
        }
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(part.look == PartLook::Memory ? QColor(55, 60, 70) : QColor(40, 40, 40));
        p.drawRect(r);
        PlaceCaption(p, picture, part, r, label, Qt::white);
        return;
    case PartLook::Header: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(r);
        p.setBrush(QColor(212, 175, 55));
        const bool across = r.width() >= r.height();
        const qreal length = across ? r.width() : r.height();
        for (qreal o = 3; o < length - 3; o += 6) {
            const QPointF a =
                across ? QPointF(r.left() + o, r.top() + 2) : QPointF(r.left() + 2, r.top() + o);
            const QPointF b = across ? QPointF(r.left() + o, r.bottom() - 5)
                                     : QPointF(r.right() - 5, r.top() + o);
            p.drawRect(QRectF(a, QSizeF(3, 3)));
            p.drawRect(QRectF(b, QSizeF(3, 3)));
        }
        p.setPen(Qt::white);
        p.setBrush(Qt::NoBrush);
        if (across) {
            p.fillRect(QRectF(r.center().x() - 22, r.top() + 1, 44, r.height() - 2),
                       QColor(30, 30, 30));
            Caption(p, QRectF(r.center().x() - 22, r.top(), 44, r.height()), label, Qt::white);
        } else {
            p.save();
            p.translate(r.center());
            p.rotate(-90);
            p.fillRect(QRectF(-22, -r.width() / 2 + 1, 44, r.width() - 2), QColor(30, 30, 30));
            Caption(p, QRectF(-22, -r.width() / 2, 44, r.width()), label, Qt::white);
            p.restore();
        }
        return;
    }
    case PartLook::Connector:
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(QColor(175, 180, 185));
        p.drawRect(r);
        p.setBrush(QColor(60, 60, 70));
        p.drawRect(r.adjusted(4, 4, -4, -r.height() / 2));
        PlaceCaption(p, picture, part, r.adjusted(0, r.height() / 2 - 2, 0, 0), label,
                     QColor(20, 20, 20));
        return;
    case PartLook::Leds: {
        const int count = std::max(1, static_cast<int>(r.width() / 12));
        for (int i = 0; i < count; ++i) {
            p.setPen(QPen(QColor(120, 0, 0), 1));
            p.setBrush(i % 5 == 4 ? QColor(40, 170, 60) : QColor(230, 40, 40));
            const qreal cx = r.left() + (r.width() / count) * (i + 0.5);
            p.drawEllipse(QPointF(cx, r.center().y()), 3, 3);
        }
        return;
    }
    case PartLook::Keys: {
        // The caption below the keys where the outline leaves room for it,
        // else beside the part and the keys take its whole height.
        const int pen = part.outline ? OutlineWidth(picture, part) + 1 : 3;
        const QRectF below(r.left(), r.bottom() - 8, r.width(), 9);
        const bool captionInside =
            CaptionSize(below.intersected(box.adjusted(pen, pen, -pen, -pen)), label) >=
            kInsideCaption;
        const int count = std::max(1, static_cast<int>(r.width() / 24));
        for (int i = 0; i < count; ++i) {
            const qreal w = r.width() / count;
            const QRectF key(r.left() + w * i + 2, r.top(), w - 4,
                             captionInside ? r.height() - 8 : r.height());
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(key);
            p.setBrush(QColor(60, 60, 60));
            p.drawEllipse(key.center(), 3, 3);
        }
        PlaceCaption(p, picture, part, captionInside ? below : QRectF(), label, QColor(20, 80, 30));
        return;
    }
    case PartLook::Switches: {
        const int count = std::max(1, static_cast<int>(r.width() / 10));
        for (int i = 0; i < count; ++i) {
            const qreal w = r.width() / count;
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setBrush(QColor(30, 60, 150));
            p.drawRect(QRectF(r.left() + w * i + 1, r.top(), w - 2, r.height()));
            p.setBrush(QColor(235, 235, 235));
            p.drawRect(QRectF(r.left() + w * i + 2, r.top() + 1, w - 4, r.height() / 2 - 1));
        }
        return;
    }
    case PartLook::Display:
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(25, 25, 25));
        p.drawRect(r);
        PlaceCaption(p, picture, part, r, label, QColor(255, 70, 50));
        return;
    case PartLook::Lcd:
        p.setPen(QPen(QColor(30, 60, 30), 1));
        p.setBrush(QColor(150, 190, 90));
        p.drawRect(r);
        PlaceCaption(p, picture, part, r, label, QColor(20, 50, 20));
        return;
    case PartLook::Oscillator:
        p.setPen(QPen(QColor(110, 110, 110), 1));
        p.setBrush(QColor(210, 210, 215));
        p.drawRoundedRect(r, 3, 3);
        PlaceCaption(p, picture, part, r, label, QColor(30, 30, 30));
        return;
    case PartLook::Power:
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(40, 40, 40));
        p.drawRect(r);
        PlaceCaption(p, picture, part, r, label, Qt::white);
        return;
    }
}

QImage TablePicture(const BoardPicture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    image.fill(QColor(226, 242, 228));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 110, 40), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, picture.width - 2, picture.height - 2));
    gPendingCaptions.clear();
    for (const PicturePart& part : picture.parts) {
        DrawPart(p, picture, part);
    }
    std::vector<QRectF> taken;
    for (const bool back : {false, true}) {
        for (const PendingCaption& caption : gPendingCaptions) {
            if (caption.back == back) {
                caption.write(taken);
            }
        }
    }
    gPendingCaptions.clear();
    return image;
}

QImage Badge(const QString& family) {
    QImage image(120, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(235, 235, 235));
    p.drawRoundedRect(QRectF(2, 2, 116, 36), 6, 6);
    p.setPen(QColor(40, 40, 40));
    // A long family name takes a smaller font, inside the frame.
    int size = 15;
    while (size > 9 && QFontMetrics(PixelFont(size, true)).horizontalAdvance(family) > 108) {
        --size;
    }
    p.setFont(PixelFont(size, true));
    p.drawText(image.rect(), Qt::AlignCenter, family);
    return image;
}

bool SaveJpeg(const QImage& source, const QString& path) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    for (int c = 0; c < info.num_components; ++c) { // no chroma subsampling
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < image.height(); ++y) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(y));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) &&
                    file.write(reinterpret_cast<const char*>(out), static_cast<qint64>(size)) ==
                        static_cast<qint64>(size);
    std::free(out);
    return ok;
}

// --- Sollen, Tavrin and Wendal: drawn from the tables of their parts -------
// (boards/cyclone5/GpioBoardPictures.h); the forms' outlines use the same
// rectangles.

void DrawGpioPins(QPainter& p, const QRectF& r) {
    const bool across = r.width() >= r.height();
    const qreal length = across ? r.width() : r.height();
    const int count = std::max(1, static_cast<int>((length - 6) / 6));
    const int rows = (across ? r.height() : r.width()) >= 20 ? 2 : 1;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(212, 175, 55));
    for (int i = 0; i < count; ++i) {
        for (int row = 0; row < rows; ++row) {
            const qreal along = 4 + i * 6;
            const qreal side = 3 + row * 6;
            p.drawRect(across ? QRectF(r.left() + along, r.top() + side, 3, 3)
                              : QRectF(r.left() + side, r.top() + along, 3, 3));
        }
    }
}

void DrawGpioBoardPart(QPainter& p, const gpiopicture::Part& part) {
    using gpiopicture::Look;
    const QRectF r(part.x + 1, part.y + 1, part.width - 2, part.height - 2);
    QColor fill(45, 45, 50);
    QColor text = Qt::white;
    switch (part.look) {
    case Look::Header:
        fill = QColor(30, 30, 30);
        break;
    case Look::Memory:
        fill = QColor(70, 90, 60);
        break;
    case Look::Connector:
        fill = QColor(150, 150, 160);
        text = QColor(20, 20, 20);
        break;
    case Look::Display:
        fill = QColor(20, 20, 20);
        text = QColor(255, 80, 60);
        break;
    case Look::Leds:
    case Look::Keys:
    case Look::Switches:
        fill = QColor(196, 226, 200);
        text = QColor(20, 80, 30);
        break;
    case Look::Power:
        fill = QColor(60, 60, 60);
        break;
    case Look::Hps:
        fill = QColor(30, 60, 90);
        break;
    case Look::Chip:
        break;
    }
    p.setPen(QPen(fill.darker(170), 1));
    p.setBrush(fill);
    p.drawRect(r);
    QRectF labelBox = r.adjusted(2, 1, -2, -1);
    const int count = std::max(1, part.count);
    switch (part.look) {
    case Look::Header:
        DrawGpioPins(p, r);
        if (r.width() > r.height() && r.height() >= 20) {
            labelBox = r.adjusted(2, 13, -2, 0);
        }
        break;
    case Look::Leds: {
        const qreal step = std::min<qreal>(9, (r.width() * 0.55) / count);
        p.setPen(QPen(QColor(120, 0, 0), 1));
        p.setBrush(QColor(230, 40, 40));
        for (int i = 0; i < count; ++i) {
            p.drawEllipse(QPointF(r.left() + 6 + i * step, r.center().y()), 2.5, 2.5);
        }
        labelBox = r.adjusted(10 + count * step, 0, 0, 0);
        break;
    }
    case Look::Keys:
    case Look::Switches: {
        const qreal step = (r.width() - 4) / count;
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(part.look == Look::Keys ? QColor(200, 200, 200) : QColor(40, 70, 160));
        for (int i = 0; i < count; ++i) {
            p.drawRect(QRectF(r.left() + 3 + i * step, r.top() + 3, step - 3, 12));
        }
        labelBox = r.adjusted(0, 15, 0, 0);
        break;
    }
    case Look::Display: {
        if (part.count > 0) {
            const qreal step = (r.width() - 6) / count;
            QFont digits("DejaVu Sans Mono");
            digits.setPixelSize(static_cast<int>(r.height() * 0.55));
            digits.setBold(true);
            p.setFont(digits);
            p.setPen(QColor(255, 60, 40));
            for (int i = 0; i < count; ++i) {
                p.drawText(QRectF(r.left() + 3 + i * step, r.top() + 1, step, r.height() * 0.6),
                           Qt::AlignCenter, "8");
            }
            labelBox = r.adjusted(0, r.height() * 0.55, 0, 0);
        }
        break;
    }
    default:
        break;
    }
    p.setPen(text);
    DrawFitted(p, labelBox.toRect(), part.label, 10, part.look == Look::Chip, 3);
}

QImage GpioBoardPicture(const gpiopicture::Board& board) {
    QImage image(gpiopicture::kWidth, gpiopicture::kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(15, 70, 30), 3));
    p.setBrush(QColor(24, 110, 50));
    p.drawRoundedRect(QRectF(3.5, 3.5, gpiopicture::kWidth - 7, gpiopicture::kHeight - 7), 10, 10);
    p.setPen(QPen(QColor(200, 210, 200), 1.5));
    p.setBrush(Qt::white);
    for (const QPointF c : {QPointF(13, 13), QPointF(gpiopicture::kWidth - 13, 13),
                            QPointF(13, gpiopicture::kHeight - 13),
                            QPointF(gpiopicture::kWidth - 13, gpiopicture::kHeight - 13)}) {
        p.drawEllipse(c, 4, 4);
    }
    p.setPen(Qt::white);
    QFont title("DejaVu Sans");
    title.setPixelSize(14);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(30, 8, gpiopicture::kWidth - 60, 22), Qt::AlignCenter, board.title);
    for (const gpiopicture::Part& part : board.parts) {
        DrawGpioBoardPart(p, part);
    }
    return image;
}

// The Kelmis form's VCCIO drawing: the base with every jumper's five rows
// and the unlit LEDs, the jumper, and the lit LED.
std::vector<std::pair<const char*, QImage>> KelmisVccioPictures() {
    using namespace kelmis::vccio;
    QImage base(kWidth, kHeight, QImage::Format_RGB32);
    base.fill(QColor(235, 233, 237));
    {
        QPainter p(&base);
        p.setFont(PixelFont(7, false));
        p.setPen(QColor(60, 60, 60));
        p.drawRect(0, 0, kWidth - 1, kHeight - 1);
        static const char* const volts[kRowCount] = {"1.5", "1.8", "2.5", "3.0", "3.3"};
        static const char* const ports = "ABCDEF";
        for (int i = 0; i < kPortCount; ++i) {
            const Point j = kJumper[i];
            for (int r = 0; r < kRowCount; ++r) {
                p.setBrush(Qt::NoBrush);
                p.drawRect(j.x, j.y + kRowPitch * r, kJumperWidth - 1, kJumperHeight - 1);
                if (j.x == kJumper[2].x) {
                    p.drawText(QRect(2, j.y + kRowPitch * r - 1, 30, kRowPitch), Qt::AlignLeft,
                               volts[r]);
                }
            }
            // The port's letter in the gap right of its jumper, at 2.5 V.
            p.drawText(QRect(j.x + kJumperWidth, j.y + kRowPitch * 2 - 2, 8, 10), Qt::AlignCenter,
                       QString(QChar(ports[i])));
            p.setBrush(QColor(200, 200, 200));
            p.drawEllipse(kLed1X[i], kLedY, kLedSize - 1, kLedSize - 1);
            p.drawEllipse(kLed2X[i], kLedY, kLedSize - 1, kLedSize - 1);
        }
    }
    QImage jumper(kJumperWidth, kJumperHeight, QImage::Format_RGB32);
    jumper.fill(QColor(30, 30, 30));
    QImage led(kLedSize, kLedSize, QImage::Format_ARGB32);
    led.fill(Qt::transparent);
    {
        QPainter p(&led);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 220, 40));
        p.drawEllipse(QRectF(0, 0, kLedSize, kLedSize));
    }
    return {{"KELMIS_VOL", base}, {"KELMIS_VOL_JUMPER", jumper}, {"KELMIS_VOL_LED_ON", led}};
}

// Rasmer's seven-segment digits in use: a display of four or two digits.
QImage HexPicture(const hsmcpicture::HexPicture& hex) {
    QImage image(hsmcpicture::kHexWidth, hsmcpicture::kHexHeight, QImage::Format_RGB32);
    image.fill(QColor(235, 233, 237));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const gpiopicture::Part digits{nullptr,
                                   hex.digits == 4 ? "HEX0 - HEX3" : "HEX0 - HEX1",
                                   gpiopicture::Look::Display,
                                   0,
                                   0,
                                   hsmcpicture::kHexWidth * hex.digits / 4,
                                   hsmcpicture::kHexHeight,
                                   hex.digits};
    DrawGpioBoardPart(p, digits);
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <resources folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString resources = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(resources + "/pictures/cards");
    QDir().mkpath(resources + "/pictures/boards");

    // Cards: the first card that uses a picture names it.
    static const std::set<int> noPicture = {9, 38, 39, 75, 85};
    std::map<std::string, int> cards;
    std::vector<std::string> order;
    for (int id = 1; id <= 94; ++id) {
        if (noPicture.count(id)) {
            continue;
        }
        const std::string name = TFormMain::CardPictureName(MakeCardId(id));
        if (cards.emplace(name, id).second) {
            order.push_back(name);
        }
    }
    // Memory modules carry no short name; their display name serves.
    static const std::set<int> noShortName = {77, 78, 79, 80};
    std::map<std::string, QString> labels;
    std::map<QString, int> uses;
    for (const std::string& name : order) {
        const CardId card = MakeCardId(cards[name]);
        const QString label = !HasBoardName(card) ? Words(name.substr(0, name.find("_80")))
                              : noShortName.count(cards[name]) ? Words(BoardName(card))
                                                               : Words(BoardShortName(card));
        labels[name] = label;
        ++uses[label + KindOf(BoardConnectorType(card), card).label];
    }
    for (const std::string& name : order) {
        const CardId card = MakeCardId(cards[name]);
        QString label = labels[name];
        // Cards that share a short name and a connector tell their pictures
        // apart by the last word of the picture name (J2, J3, x2).
        if (uses[label + KindOf(BoardConnectorType(card), card).label] > 1) {
            const QString stem = QString::fromStdString(name.substr(0, name.find("_80")));
            label += ' ' + stem.section('_', -1);
        }
        const QImage icon = CardIcon(label, KindOf(BoardConnectorType(card), card));
        const bool jpeg = name == kJpegPicture;
        const QString rel =
            QString("pictures/cards/%1.%2").arg(QString::fromStdString(name), jpeg ? "jpg" : "png");
        const bool ok = jpeg ? SaveJpeg(icon, resources + "/" + rel)
                             : icon.save(resources + "/" + rel, "PNG", 9);
        if (!ok) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(rel));
            return 1;
        }
        std::printf("%s %s\n", name.c_str(), qPrintable(rel));
    }

    // Boards of the selector.
    std::set<std::string> done;
    for (const BoardDef* def : AllBoards()) {
        const int id = BoardNumber(def->id);
        std::string line;
        std::string picture;
        if (!TFormBoardSelector::BoardEntry(id, line, picture) || !done.insert(picture).second) {
            continue;
        }
        const QString rel = QString("pictures/boards/%1.png").arg(QString::fromStdString(picture));
        if (picture == "ILMARCH_BITMAP") {
            continue; // the Ilmarch board has its own picture
        }
        if (std::any_of(kDrawnBoards.begin(), kDrawnBoards.end(),
                        [&](const DrawnBoard& b) { return picture == b.picture; })) {
            continue; // drawn from its table below
        }
        // A picture shared by two boards is titled after the first.
        QString title = QString::fromStdString(line);
        title.remove(" FPGA Board").remove(" Board").remove(" KIT");
        const BoardPicture* table = FindBoardPicture(static_cast<BoardId>(id));
        const QImage image = table && picture == table->resource
                                 ? TablePicture(*table)
                                 : GenericBoardPicture(title, FamilyOf(id), id);
        if (!image.save(resources + "/" + rel, "PNG", 9)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(rel));
            return 1;
        }
        std::printf("%s %s\n", picture.c_str(), qPrintable(rel));
    }

    // Form pictures drawn from a table under a name of their own (the
    // selector shows another board's picture for their board).
    for (const BoardPicture* table : BoardPictures()) {
        if (done.count(table->resource)) {
            continue;
        }
        const QString rel = QString("pictures/boards/%1.png").arg(table->resource);
        if (!TablePicture(*table).save(resources + "/" + rel, "PNG", 9)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(rel));
            return 1;
        }
        std::printf("%s %s\n", table->resource, qPrintable(rel));
    }

    // Boards drawn from their tables of parts, and the forms' logos.
    for (const DrawnBoard& b : kDrawnBoards) {
        const QString rel = QString("pictures/boards/%1.png").arg(b.picture);
        if (!TableBoardPicture(b.title, b.parts).save(resources + "/" + rel, "PNG", 9)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(rel));
            return 1;
        }
        std::printf("%s %s\n", b.picture, qPrintable(rel));
    }
    const LogoPicture logos[] = {
        {"QUELMAR_LOGO", "Quelmar", QColor(235, 233, 237), QColor(20, 60, 140), false},
        {"CYCLONE_V_LOGO", "Cyclone V", QColor(40, 70, 150), Qt::white, true},
    };
    for (const LogoPicture& logo : logos) {
        const QString rel = QString("pictures/%1.png").arg(QString(logo.picture).toLower());
        if (!Logo(logo.text, logo.ground, logo.ink, logo.badge)
                 .save(resources + "/" + rel, "PNG", 9)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(rel));
            return 1;
        }
        std::printf("%s %s\n", logo.picture, qPrintable(rel));
    }
    for (const auto& [name, image] : KelmisVccioPictures()) {
        const QString rel = QString("pictures/boards/%1.png").arg(name);
        if (!image.save(resources + "/" + rel, "PNG", 9)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(rel));
            return 1;
        }
        std::printf("%s %s\n", name, qPrintable(rel));
    }
    // The wordmark and the badges of the forms with a picture table.
    QDir().mkpath(resources + "/pictures/logos");
    // The wordmark (QUELMAR_LOGO) is drawn with the forms' logos above.
    std::map<std::string, QImage> badges;
    for (const BoardPicture* table : BoardPictures()) {
        badges.emplace(table->badge, Badge(QString::fromUtf8(table->family)));
    }
    for (const auto& [name, image] : badges) {
        const QString rel = QString("pictures/logos/%1.png").arg(QString::fromStdString(name));
        if (!image.save(resources + "/" + rel, "PNG", 9)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(rel));
            return 1;
        }
        std::printf("%s %s\n", name.c_str(), qPrintable(rel));
    }
    // Boards drawn from the tables of their parts replace their generic
    // pictures under the same names; the logos of the Sollen form.
    for (const gpiopicture::Board& board : gpiopicture::kBoards) {
        const QString rel = QString("pictures/boards/%1.png").arg(board.picture);
        if (!GpioBoardPicture(board).save(resources + "/" + rel, "PNG", 9)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(rel));
            return 1;
        }
    }
    // The HSMC boards Quindle, Rasmer and Falmor, drawn the same way, and
    // Rasmer's seven-segment pictures.
    for (const gpiopicture::Board& board : hsmcpicture::kBoards) {
        const QString rel = QString("pictures/boards/%1.png").arg(board.picture);
        if (!GpioBoardPicture(board).save(resources + "/" + rel, "PNG", 9)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(rel));
            return 1;
        }
    }
    for (const hsmcpicture::HexPicture& hex : hsmcpicture::kRasmerHex) {
        const QString rel = QString("pictures/boards/%1.png").arg(hex.picture);
        if (!HexPicture(hex).save(resources + "/" + rel, "PNG", 9)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(rel));
            return 1;
        }
        std::printf("%s %s\n", hex.picture, qPrintable(rel));
    }
    return 0;
}
