// Reading the shipped level files out of the program's resources.
#include "qt/shipped_files.h"

#include <QFile>

#include "puzzles/puzzle_file.h"

// The resources live in a static library, so the linker keeps them only when asked to.
static void initLevelResources() { Q_INIT_RESOURCE(levels); }

namespace tessarix {

std::vector<ShippedFile> shippedLevelFiles() {
  initLevelResources();
  std::vector<ShippedFile> files;
  for (int level = 0; level < 4; ++level) {
    const std::string name = levelFileName(level);
    QFile resource(QStringLiteral(":/levels/") + QString::fromStdString(name));
    if (!resource.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = resource.readAll();
    files.push_back({name, std::string(bytes.constData(), static_cast<size_t>(bytes.size()))});
  }
  return files;
}

}  // namespace tessarix
