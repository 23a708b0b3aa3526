// finwicks-sprites: paints every picture the program embeds and writes them
// under the given assets folder; optionally writes a contact sheet.
//
//   finwicks-sprites <assets-folder> [contact-sheet.png]

#include "Artwork.h"
#include "BmpWriter.h"
#include "Bubble.h"
#include "Catalogue.h"
#include "ContactSheet.h"
#include "Flake.h"

#include <QDir>
#include <QStringList>
#include <QTextStream>

using namespace fw::sprites;

namespace {

bool writeOrComplain(bool ok, const QString &path)
{
    if (!ok)
        QTextStream(stderr) << "finwicks-sprites: cannot write " << path << "\n";
    return ok;
}

bool writeSprites(const std::vector<SpritePair> &pairs, const QDir &dir)
{
    bool ok = true;
    for (const SpritePair &pair : pairs) {
        const auto file = [&](const QString &name) { return dir.filePath(name + ".bmp"); };
        ok &= writeOrComplain(writeBmp(pair.rightImage, 8, file(pair.right)), file(pair.right));
        ok &= writeOrComplain(writeBmp(pair.leftImage, 8, file(pair.left)), file(pair.left));
        ok &= writeOrComplain(writeBmp(pair.rightMaskImage, pair.maskBits, file(pair.rightMask)),
                              file(pair.rightMask));
        ok &= writeOrComplain(writeBmp(pair.leftMaskImage, pair.maskBits, file(pair.leftMask)),
                              file(pair.leftMask));
    }
    return ok;
}

// Species that share a mask must have painted the very same outline.
bool sharedMasksAgree(const std::vector<SpritePair> &pairs)
{
    bool ok = true;
    for (size_t i = 0; i < pairs.size(); ++i) {
        for (size_t j = i + 1; j < pairs.size(); ++j) {
            if (pairs[i].rightMask == pairs[j].rightMask &&
                (pairs[i].rightMaskImage != pairs[j].rightMaskImage ||
                 pairs[i].leftMaskImage != pairs[j].leftMaskImage)) {
                QTextStream(stderr) << "finwicks-sprites: " << pairs[i].right << " and "
                                    << pairs[j].right << " differ in outline\n";
                ok = false;
            }
        }
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    // Only QImage and QPainter are used, which need neither a display nor
    // an application object.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (args.size() < 2 || args.size() > 3) {
        QTextStream(stderr) << "usage: finwicks-sprites <assets-folder> [contact-sheet.png]\n";
        return 2;
    }
    const QDir assets(args[1]);
    for (const char *sub : {"sprites", "about", "icons"}) {
        if (!assets.mkpath(sub)) {
            QTextStream(stderr) << "finwicks-sprites: cannot create " << assets.filePath(sub)
                                << "\n";
            return 1;
        }
    }

    const std::vector<SpritePair> pairs = paintCatalogue(spriteCatalogue());
    const QImage strip = paintBubbleStrip();
    const QDir spriteDir(assets.filePath("sprites"));
    bool ok = sharedMasksAgree(pairs) && writeSprites(pairs, spriteDir);
    const QString stripPath = spriteDir.filePath("Picture_Bubble.bmp");
    ok &= writeOrComplain(writeBmp(strip, 24, stripPath), stripPath);
    const QImage flakes = paintFlakeStrip();
    const QString flakePath = spriteDir.filePath("Picture_Flake.bmp");
    const QString flakeMaskPath = spriteDir.filePath("Picture_Flake_Mask.bmp");
    ok &= writeOrComplain(writeBmp(flakes, 24, flakePath), flakePath);
    ok &= writeOrComplain(writeBmp(flakeMask(flakes), 24, flakeMaskPath), flakeMaskPath);
    ok &= writeAboutPictures(QDir(assets.filePath("about")));
    ok &= writeIcons(QDir(assets.filePath("icons")));

    if (args.size() == 3) {
        const QImage sheet = contactSheet(pairs, strip);
        ok &= writeOrComplain(sheet.save(args[2]), args[2]);
    }
    return ok ? 0 : 1;
}
