#pragma once

#include <memory>

namespace framework {

// A picture from the application's resources, with every resolution it was drawn at.
class Picture {
  public:
    struct Data;
    explicit Picture(std::unique_ptr<Data> data);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Size in device-independent pixels.
    int Width() const;
    int Height() const;
    const Data& Pixels() const { return *data_; }

  private:
    std::unique_ptr<Data> data_;
};

// The application's compiled-in resources. Picture number N is the image resource
// ":/pictures/N.png", with an optional double-resolution "N@2x.png" beside it.
class ResourceFork {
  public:
    // The picture of that number, or null when the resources do not hold it.
    std::shared_ptr<const Picture> GetPicture(int id) const;
};

}  // namespace framework
