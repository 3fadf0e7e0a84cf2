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

// The caches are never destroyed: a picture holds a Qt image, which must not be
// released after Qt has gone when the process ends through exit().
std::shared_ptr<Picture> Veltr480() {
    static auto* pic = new std::shared_ptr<Picture>;
    return Kept(*pic, "Veltr480.png");
}

std::shared_ptr<Picture> Veltr400() {
    static auto* pic = new std::shared_ptr<Picture>;
    return Kept(*pic, "Veltr400.png");
}
