#include "shell/LogoPictures.h"

#include <string_view>

namespace {

// Only a successful load fills the cache, so a miss is retried at the next use.
std::shared_ptr<Picture> Kept(std::shared_ptr<Picture>& pic, std::string_view fileName) {
    if (!pic) {
        pic = Picture::OpenFromApp(fileName);
    }
    return pic;
}

}  // namespace

std::shared_ptr<Picture> Veltr480() {
    static std::shared_ptr<Picture> pic;
    return Kept(pic, "Veltr480.png");
}

std::shared_ptr<Picture> Veltr400() {
    static std::shared_ptr<Picture> pic;
    return Kept(pic, "Veltr400.png");
}
