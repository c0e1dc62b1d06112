#include "boards/BoardPicture.h"

#include <string_view>

extern const BoardPicture kAlvekPicture;
extern const BoardPicture kBressaPicture;
extern const BoardPicture kCorvinPicture;
extern const BoardPicture kDunmarPicture;
extern const BoardPicture kIstrelPicture;
extern const BoardPicture kJorkelPicture;
extern const BoardPicture kJorvathPicture;
extern const BoardPicture kElvoryPicture;
extern const BoardPicture kLorskPicture;
extern const BoardPicture kMarwenPicture;
extern const BoardPicture kGaldreX1Picture;
extern const BoardPicture kLumbrelPicture;
extern const BoardPicture kYeldenPicture;
extern const BoardPicture kBrovanPicture;
extern const BoardPicture kDravelPicture;
extern const BoardPicture kGaldreX2Picture;
extern const BoardPicture kFennikPicture;
extern const BoardPicture kHollinPicture;
extern const BoardPicture kKelvanePicture;
extern const BoardPicture kGristelPicture;
extern const BoardPicture kOmbrelPicture;
extern const BoardPicture kNolvarPicture;
extern const BoardPicture kZarvikPicture;
extern const BoardPicture kZarvikDdr4Picture;
extern const BoardPicture kEspernPicture;
extern const BoardPicture kCalvetPicture;

extern const BoardPicture kKelmisPicture;
extern const BoardPicture kPellixPicture;
extern const BoardPicture kHarvikPicture;
namespace {
const BoardPicture* const kPictures[] = {
    &kAlvekPicture,    &kBressaPicture,  &kCorvinPicture, &kDunmarPicture,     &kIstrelPicture,
    &kJorkelPicture,   &kJorvathPicture, &kElvoryPicture, &kLorskPicture,      &kMarwenPicture,
    &kGaldreX1Picture, &kLumbrelPicture, &kYeldenPicture, &kBrovanPicture,     &kDravelPicture,
    &kGaldreX2Picture, &kFennikPicture,  &kHollinPicture, &kKelvanePicture,    &kGristelPicture,
    &kOmbrelPicture,   &kNolvarPicture,  &kZarvikPicture, &kZarvikDdr4Picture, &kEspernPicture,
    &kCalvetPicture,   &kKelmisPicture,  &kPellixPicture, &kHarvikPicture,
};
} // namespace

std::span<const BoardPicture* const> BoardPictures() {
    return kPictures;
}

const BoardPicture* FindBoardPicture(BoardId board) {
    for (const BoardPicture* picture : kPictures) {
        if (picture->board == board) {
            return picture;
        }
    }
    return nullptr;
}

const PicturePart* FindPicturePart(const BoardPicture& picture, const char* outline) {
    for (const PicturePart& part : picture.parts) {
        if (part.outline && std::string_view(part.outline) == outline) {
            return &part;
        }
    }
    return nullptr;
}
