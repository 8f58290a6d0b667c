// A seam under the file layer: a test makes a step of writing a file fail, as a full disk, a
// failing device or a folder that refuses the rename would, on any machine and without root.
#pragma once

#include <optional>
#include <system_error>

namespace vak {

enum class FileStep { Write, Flush, Rename };

// While it lives, every `step` the file layer takes fails with `error` instead.
class FileFault {
public:
    FileFault(FileStep step, std::errc error);
    ~FileFault();
    FileFault(const FileFault&) = delete;
    FileFault& operator=(const FileFault&) = delete;

private:
    FileStep m_step;
};

// The failure planted for `step`, if any; the file layer asks before it takes the step.
std::optional<std::errc> PlantedFault(FileStep step);

} // namespace vak
