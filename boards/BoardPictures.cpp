#include "boards/BoardPicture.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

// Filled before main by the registrars of the board folders, in id order.
std::vector<const BoardPicture*>& Pictures() {
    static std::vector<const BoardPicture*> pictures;
    return pictures;
}

} // namespace

BoardPictureRegistrar::BoardPictureRegistrar(const BoardPicture& picture) {
    std::vector<const BoardPicture*>& pictures = Pictures();
    const auto at = std::upper_bound(pictures.begin(), pictures.end(), picture.board,
                                     [](BoardId board, const BoardPicture* row) {
                                         return BoardNumber(board) < BoardNumber(row->board);
                                     });
    pictures.insert(at, &picture);
}

std::span<const BoardPicture* const> BoardPictures() {
    return Pictures();
}

const BoardPicture* FindBoardPicture(BoardId board) {
    for (const BoardPicture* picture : Pictures()) {
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
