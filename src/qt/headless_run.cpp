#include "qt/headless_run.h"

#include "app/zinda_form.h"
#include "files/file_names.h"
#include "files/video_writer.h"
#include "qt/qt_graphics.h"
#include "qt/words.h"
#include "ui/texts.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QtGlobal>
#include <algorithm>
#include <charconv>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace murva::qt {

namespace {

// Messages go to standard error. The background question of a read file is answered
// No; the overwrite question Yes, since the output was named on the command line.
class HeadlessHost final : public Host {
public:
    explicit HeadlessHost(std::string output) : output(std::move(output)) {}
    int Messages = 0;
    // A picture that could not be read is told once, by the run, as what it means there.
    int PictureMessages = 0;

    void ShowMessage(const std::string& text, const std::string& filling = {}) override {
        if (text == texts::PictureUnreadable) {
            ++PictureMessages;
            return;
        }
        std::cerr << "murva: " << InWords(text, filling) << "\n";
        ++Messages;
    }
    std::string InWords(const std::string& text, const std::string& filling = {}) override {
        const QString words = Tr(text);
        return (filling.empty() ? words : words.arg(QString::fromStdString(filling))).toStdString();
    }
    TAnswer Ask(const std::string& text, const std::string&, TQuestionButtons, TAnswer) override {
        return text == texts::OverwriteExisting ? TAnswer::Yes : TAnswer::No;
    }
    std::optional<std::string> OpenDialog(const TFileDialog&) override { return std::nullopt; }
    std::optional<std::string> SaveDialog(const TFileDialog&) override { return output; }
    void Invalidate() override {}
    void PresentFrame() override {}
    // Nobody watches: a run takes no time.
    double Milliseconds() override { return elapsed; }
    void WaitUntil(double milliseconds) override { elapsed = std::max(elapsed, milliseconds); }
    void BringToFront() override {}
    TLocalTime Now() override {
        const QDateTime now = QDateTime::currentDateTime();
        const QDate d = now.date();
        const QTime t = now.time();
        return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
    }

private:
    std::string output;
    double elapsed = 0;
};

// A whole number of at least `least`, or nothing.
std::optional<int> NumberAtLeast(const std::string& text, int least) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < least) return {};
    return value;
}

// What a run writes.
enum class TOutput { Animation, Jpeg, Gif, Video, Storyboard };

struct Request {
    TOutput Writes = TOutput::Animation;
    bool Mode = false;
    // Every cut one after another, as "play all" shows them.
    bool AllCuts = false;
    // How the animation was made, command by command.
    bool Making = false;
    bool CutNamed = false;
    std::string Output;
    std::string Input;
    int Cut = 1;
    // The step of the play bar whose picture is exported; none for the cut as made.
    std::optional<int> Step;
    std::optional<TVideoSize> Size;
    TWordSet Words = TWordSet::Kanji;

    bool Films() const { return Writes == TOutput::Gif || Writes == TOutput::Video; }
    bool WritesPicture() const { return Writes != TOutput::Animation; }
};

// The options that choose what is written, and what each writes.
constexpr std::pair<std::string_view, TOutput> OutputOptions[] = {
    {"--export-jpeg", TOutput::Jpeg},   {"--export-gif", TOutput::Gif},
    {"--export-video", TOutput::Video}, {"--export-storyboard", TOutput::Storyboard},
    {"--save-as", TOutput::Animation},
};

// "WxH" with the field's proportions (4:3), both even, from 64 wide up to 3840: the
// renderer paints the field at that scale.
std::optional<TVideoSize> VideoSizeOf(const std::string& text) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) return {};
    const std::optional<int> width = NumberAtLeast(text.substr(0, x), 64);
    const std::optional<int> height = NumberAtLeast(text.substr(x + 1), 48);
    if (!width || !height || *width > 3840 || *width % 2 || *height % 2 ||
        *width * 3 != *height * 4)
        return {};
    return TVideoSize{*width, *height};
}

// 1 for a request that cannot be carried out, 2 for options that are not ours or that
// contradict each other. Options may stand before or after the file.
int Parse(const std::vector<std::string>& args, Request& request, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto output = std::find_if(std::begin(OutputOptions), std::end(OutputOptions),
                                         [&](const auto& option) { return option.first == arg; });
        if (output != std::end(OutputOptions)) {
            if (request.Mode) {
                error = "give one of --export-jpeg, --export-gif, --export-video, "
                        "--export-storyboard and --save-as";
                return 2;
            }
            request.Mode = true;
            request.Writes = output->second;
            if (++i >= args.size()) {
                error = "missing output file";
                return 1;
            }
            request.Output = args[i];
        } else if (arg == "--size") {
            request.Size = ++i < args.size() ? VideoSizeOf(args[i]) : std::nullopt;
            if (!request.Size) {
                error = "--size takes the field's proportions, as 640x480 or 1280x960";
                return 2;
            }
        } else if (arg == "--lang") {
            const std::optional<TWordSet> set =
                ++i < args.size() ? WordSetNamed(args[i]) : std::nullopt;
            if (!set) {
                error = "--lang takes ja, hira or en";
                return 2;
            }
            request.Words = *set;
        } else if (arg == "--all") {
            request.AllCuts = true;
        } else if (arg == "--making") {
            request.Making = true;
        } else if (arg == "--step" || arg == "--cut") {
            const bool cut = arg == "--cut";
            if (++i >= args.size()) {
                error = arg + " needs a number";
                return 1;
            }
            const std::optional<int> n = NumberAtLeast(args[i], cut ? 1 : 0);
            if (!n) {
                error = cut ? "--cut needs a cut number of 1 or more, not '" + args[i] + "'"
                            : "--step needs a step number of 0 or more, not '" + args[i] + "'";
                return 1;
            }
            (cut ? request.Cut : request.Step.emplace()) = *n;
            request.CutNamed |= cut;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return 2;
        } else if (request.Input.empty()) {
            request.Input = arg;
        } else {
            error = "unexpected argument '" + arg + "'";
            return 1;
        }
    }
    // What each way of writing takes, and what contradicts.
    const struct {
        bool Given, Allowed;
        const char* Error;
    } checks[] = {
        {request.AllCuts, request.Films(), "--all is for --export-gif and --export-video"},
        {request.Making, request.Films(), "--making is for --export-gif and --export-video"},
        {request.CutNamed, request.Films() || request.Writes == TOutput::Jpeg,
         "--cut is for --export-jpeg, --export-gif and --export-video"},
        {request.Step.has_value(), request.Writes == TOutput::Jpeg, "--step is for --export-jpeg"},
        {request.Size.has_value(), request.Writes == TOutput::Video,
         "--size is for --export-video"},
        {request.AllCuts && request.CutNamed, false, "--all and --cut contradict each other"},
        {request.Making && (request.AllCuts || request.CutNamed), false,
         "--making films the whole making: it takes no --cut or --all"},
    };
    for (const auto& check : checks)
        if (check.Given && !check.Allowed) {
            error = check.Error;
            return 2;
        }
    // An animation log under a picture's or a drawing's name would mislead every program
    // that opens it.
    const struct {
        TOutput Writes;
        bool Named;
        const char* Error;
    } names[] = {
        {TOutput::Animation, HasExtension(request.Output, AnimationExtensions),
         "--save-as writes an animation: '%s' must end in .mrv"},
        {TOutput::Video, VideoFormatOf(request.Output).has_value(),
         "--export-video writes MP4 or WebM: '%s' must end in .mp4 or .webm"},
        {TOutput::Storyboard, HasExtension(request.Output, PdfExtensions),
         "--export-storyboard writes a PDF: '%s' must end in .pdf"},
    };
    for (const auto& name : names)
        if (request.Mode && request.Writes == name.Writes && !name.Named) {
            error = name.Error;
            error.replace(error.find("%s"), 2, request.Output);
            return 2;
        }
    if (request.Input.empty()) {
        error = "missing input file";
        return 1;
    }
    return 0;
}

// Whether a cut to be filmed holds a figure: the named one, or any for every cut.
bool HasFiguresToFilm(const TZindaForm& form, const Request& request) {
    for (const TFigItem* f = form.S.Doc.FigList().GetFirst(); f; f = f->Next) {
        const std::int32_t cut = f->Data.CutNumber;
        if (request.AllCuts ? cut >= 1 && cut <= form.S.Cuts.CutCount : cut == request.Cut)
            return true;
    }
    return false;
}

// Qt's own notes (a missing runtime folder, say) are not the program's: standard error
// keeps to the program's messages.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "murva: " << message.toStdString() << "\n";
}

} // namespace

int RunHeadless(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    Request request;
    std::string error;
    if (const int code = Parse(args, request, error)) {
        std::cerr << "murva: " << error << "\n"
                  << "usage: murva --export-jpeg OUT.jpg [--cut N] [--step K] FILE\n"
                  << "       murva --export-gif OUT.gif [--cut N | --all | --making] FILE\n"
                  << "       murva --export-video OUT.mp4|OUT.webm [--cut N | --all | --making]"
                     " [--size 640x480|1280x960] FILE\n"
                  << "       murva --export-storyboard OUT.pdf FILE\n"
                  << "       murva --save-as OUT.mrv FILE\n"
                  << "       with --lang ja|hira|en for the words of the messages\n";
        return code;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtQuiet);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    Words words;
    words.Use(request.Words);

    QtGraphics graphics;
    HeadlessHost host(request.Output);
    try {
        // The window passes over a picture that is not there; asked for by name, it fails.
        const bool picture = HasExtension(request.Input, BmpExtensions) ||
                             HasExtension(request.Input, JpegExtensions);
        if (picture && !FileExists(request.Input)) {
            std::cerr << "murva: " << Tr(texts::PictureUnreadable).toStdString() << "\n";
            return 1;
        }
        TZindaForm form(host, graphics);
        form.FormCreate({request.Input});
        if ((picture && host.PictureMessages > 0) || host.Messages > 0) {
            if (picture && host.PictureMessages > 0)
                std::cerr << "murva: " << Tr(texts::PictureUnreadable).toStdString() << "\n";
            return 1;
        }
        // The log keeps a background's name: saving it needs no pixels, a picture does.
        if (const std::string& bg = form.S.Shell.MissingBGName; !bg.empty()) {
            const bool pictureOut = request.WritesPicture();
            std::cerr << "murva: " << (pictureOut ? "" : "warning: ") << "the background '" << bg
                      << "' is missing or cannot be read"
                      << (pictureOut ? ": no picture is written\n" : "\n");
            if (pictureOut) return 1;
        }
        // A cut or step the animation does not have.
        std::string missing;
        if (request.CutNamed && request.Cut > form.S.Cuts.CutCount)
            missing = "cut " + std::to_string(request.Cut) + " does not exist: the animation has " +
                      std::to_string(form.S.Cuts.CutCount);
        else if (request.Step && *request.Step > form.S.Motion.PlaySteps)
            missing = "step " + std::to_string(*request.Step) + " does not exist: a run has " +
                      std::to_string(form.S.Motion.PlaySteps);
        else if (request.Films() && !request.Making && !HasFiguresToFilm(form, request))
            missing = "nothing to film: the cut holds no figure";
        if (!missing.empty()) {
            std::cerr << "murva: " << missing << "\n";
            return 1;
        }
        form.S.Cuts.CurrentCut = request.Cut;
        const TFilmKind film = request.Making    ? TFilmKind::Making
                               : request.AllCuts ? TFilmKind::AllCuts
                                                 : TFilmKind::Cut;
        switch (request.Writes) {
        case TOutput::Gif:
            if (!form.Films.ExportGif(request.Output, film)) return 1;
            break;
        case TOutput::Video:
            if (!form.Films.ExportVideo(request.Output, film, request.Size.value_or(TVideoSize{})))
                return 1;
            break;
        case TOutput::Storyboard:
            if (!form.Storyboard.ExportStoryboard(request.Output)) return 1;
            break;
        case TOutput::Jpeg:
            if (!request.Step) {
                form.Save2JPEGMenuClick();
                break;
            }
            // The picture the play bar shows at the step, as watching shows it.
            form.SelectMoveBtnClick();
            if (host.Messages > 0) return 1;
            form.PlayBar.SetPosition(*request.Step);
            form.Pictures.WriteFieldAsJpeg(request.Output);
            break;
        case TOutput::Animation:
            form.WriteDataMenuClick();
            break;
        }
    } catch (const TProcessExit& exit) {
        return exit.Code;
    } catch (const std::exception& error) {
        // No exception leaves a command.
        std::cerr << "murva: " << error.what() << "\n";
        return 1;
    }
    return host.Messages == 0 && FileExists(request.Output) ? 0 : 1;
}

} // namespace murva::qt
