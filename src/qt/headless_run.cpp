#include "qt/headless_run.h"

#include "app/zinda_form.h"
#include "files/file_names.h"
#include "qt/qt_graphics.h"
#include "ui/texts.h"

#include <QDateTime>
#include <QGuiApplication>
#include <algorithm>
#include <charconv>
#include <iostream>
#include <string>
#include <vector>

namespace murva::qt {

namespace {

// Messages go to standard error. The background question of a read file is answered
// No; the overwrite question Yes, since the output was named on the command line.
class HeadlessHost final : public Host {
public:
    explicit HeadlessHost(std::string output) : output(std::move(output)) {}
    int Messages = 0;

    void ShowMessage(const std::string& text) override {
        std::cerr << "murva: " << text << "\n";
        ++Messages;
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

struct Request {
    bool Export = false;
    bool Gif = false;
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
};

// A whole number of at least `least`, or nothing.
std::optional<int> NumberAtLeast(const std::string& text, int least) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < least) return {};
    return value;
}

// 1 for a request that cannot be carried out, 2 for an option that is not one of ours.
int Parse(const std::vector<std::string>& args, Request& request, std::string& error) {
    std::size_t i = 0;
    if (args.empty()) return 1;
    request.Export = args[i] == "--export-jpeg";
    request.Gif = args[i] == "--export-gif";
    if (++i >= args.size()) {
        error = "missing output file";
        return 1;
    }
    request.Output = args[i++];
    for (; i < args.size(); ++i) {
        if (request.Gif && args[i] == "--all") {
            request.AllCuts = true;
        } else if (request.Gif && args[i] == "--making") {
            request.Making = true;
        } else if ((request.Export && args[i] == "--step") ||
                   ((request.Export || request.Gif) && args[i] == "--cut")) {
            const bool cut = args[i] == "--cut";
            if (++i >= args.size()) {
                error = args[i - 1] + " needs a number";
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
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            error = "unknown option '" + args[i] + "'";
            return 2;
        } else if (request.Input.empty()) {
            request.Input = args[i];
        } else {
            error = "unexpected argument '" + args[i] + "'";
            return 1;
        }
    }
    if (request.Making && (request.AllCuts || request.CutNamed)) {
        error = "--making films the whole making: it takes no --cut or --all";
        return 2;
    }
    if (request.Input.empty()) {
        error = "missing input file";
        return 1;
    }
    return 0;
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
                  << "       murva --save-as OUT.mrv FILE\n";
        return code;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    QtGraphics graphics;
    HeadlessHost host(request.Output);
    try {
        // The window passes over a picture that is not there; asked for by name, it fails.
        const bool picture = HasExtension(request.Input, BmpExtensions) ||
                             HasExtension(request.Input, JpegExtensions);
        if (picture && !FileExists(request.Input)) {
            host.ShowMessage(texts::PictureUnreadable);
            return 1;
        }
        TZindaForm form(host, graphics);
        form.FormCreate({request.Input});
        if (host.Messages > 0) return 1;
        if (request.Gif && request.Making) {
            form.S.Cuts.CurrentCut = request.Cut;
            if (!form.Gif.ExportGif(request.Output, [&form](const TFilming& filming) {
                    return form.Making.Replay(&filming);
                }))
                return 1;
        } else if (request.Gif) {
            form.S.Cuts.CurrentCut = request.Cut;
            if (!form.Gif.ExportGif(request.Output, request.AllCuts)) return 1;
        } else if (request.Export && request.Step) {
            // The picture the play bar shows at the step, as watching shows it.
            form.S.Cuts.CurrentCut = request.Cut;
            form.SelectMoveBtnClick();
            if (host.Messages > 0) return 1;
            form.PlayBar.SetPosition(*request.Step);
            form.Pictures.WriteFieldAsJpeg(request.Output);
        } else if (request.Export) {
            form.S.Cuts.CurrentCut = request.Cut;
            form.Save2JPEGMenuClick();
        } else {
            form.WriteDataMenuClick();
        }
    } catch (const TProcessExit& exit) {
        return exit.Code;
    }
    return host.Messages == 0 && FileExists(request.Output) ? 0 : 1;
}

} // namespace murva::qt
