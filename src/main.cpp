// Entry: the window, or a run without one.

#include "app/zinda_form.h"
#include "qt/headless_run.h"
#include "qt/main_window.h"
#include "qt/qt_graphics.h"
#include "qt/qt_host.h"
#include "ui/texts.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* Usage =
    "usage: murva [--lang ja|hira|en] [FILE]\n"
    "       murva --export-jpeg OUT.jpg [--cut N] [--step K] FILE\n"
    "       murva --export-gif OUT.gif [--cut N | --all | --making] FILE\n"
    "       murva --export-video OUT.mp4|OUT.webm [--cut N | --all | --making]\n"
    "                            [--size 640x480|1280x960] FILE\n"
    "       murva --export-storyboard OUT.pdf FILE\n"
    "       murva --save-as OUT.mrv FILE\n"
    "\n"
    "  FILE                 an animation (.mrv), a material (.znd) or a background\n"
    "                       picture (.bmp, .jpg) to open in the window\n"
    "  --export-jpeg OUT    without a window: open FILE and write cut N (default 1)\n"
    "                       as the JPEG picture OUT; with --step K, the picture the\n"
    "                       play bar shows at step K (of 800)\n"
    "  --export-gif OUT     without a window: open FILE and write the run of cut N\n"
    "                       (default 1), or of every cut with --all, as the animated\n"
    "                       GIF OUT, as the play button shows it; with --making,\n"
    "                       how the animation was made, command by command\n"
    "  --export-video OUT   the same as a video at 30 pictures a second: MP4 (H.264)\n"
    "                       or WebM (VP9) by OUT's extension; --size WxH paints it\n"
    "                       at another size of the field's shape (default 640x480)\n"
    "  --export-storyboard OUT\n"
    "                       without a window: write every cut's start and end\n"
    "                       pictures, six cuts to an A4 page, as the PDF OUT\n"
    "  --save-as OUT        without a window: open FILE and save its log as OUT\n"
    "  --lang ja|hira|en    the words for this run: kanji, hiragana or English\n"
    "                       (else the set chosen in the ことば menu)\n"
    "  -h, --help           show this help\n";

bool IsHeadless(const char* option) {
    for (const char* headless :
         {"--export-jpeg", "--export-gif", "--export-video", "--export-storyboard", "--save-as"})
        if (std::strcmp(option, headless) == 0) return true;
    return false;
}

// An argument that looks like an option and is none of ours; "-" alone is a file name.
bool IsUnknownOption(const char* arg) {
    return arg[0] == '-' && arg[1] != '\0' && !IsHeadless(arg) && std::strcmp(arg, "--lang") != 0;
}

// The arguments but "--lang SET", and the set it names; false when it names none.
bool TakeWordSet(int argc, char** argv, std::vector<std::string>& rest,
                 std::optional<murva::qt::TWordSet>& set) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") != 0) {
            rest.emplace_back(argv[i]);
            continue;
        }
        set = i + 1 < argc ? murva::qt::WordSetNamed(argv[++i]) : std::nullopt;
        if (!set) return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Options may stand before or after the file: each of them is looked at.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << Usage;
            return 0;
        }
    for (int i = 1; i < argc; ++i)
        if (IsHeadless(argv[i])) return murva::qt::RunHeadless(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (IsUnknownOption(argv[i])) {
            std::cerr << "murva: unknown option '" << argv[i] << "'\n" << Usage;
            return 2;
        }
    std::vector<std::string> args;
    std::optional<murva::qt::TWordSet> words;
    if (!TakeWordSet(argc, argv, args, words)) {
        std::cerr << "murva: --lang takes ja, hira or en\n" << Usage;
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(murva::texts::ApplicationName));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    murva::qt::QtGraphics graphics;
    murva::qt::QtHost host;
    murva::TZindaForm form(host, graphics);
    murva::qt::MainWindow window(form);
    window.AttachTo(host);
    // The words of the settings, unless the command line chose some for this run.
    window.UseWords(words.value_or(murva::qt::Words::Kept()), false);

    // The file named on the command line is open before the window first shows. Qt has
    // taken its own options out of argv by now; the bytes are the path as typed.
    args.clear();
    TakeWordSet(argc, argv, args, words);
    window.Dispatch([&form, &args] { form.FormCreate(args); });
    if (window.ExitCode()) return *window.ExitCode();

    window.show();
    window.FollowScreen();
    // A drawing that came back from a crash is on the drawing window's canvas.
    if (form.DrawingInProgress()) window.OpenDrawingSoon();
    return QApplication::exec();
}
