// A saved animation loads back into exactly the figures the user had: random sequences
// of the user's commands, saved, loaded into a fresh window, and the figures compared.
// A failure prints the seed and the shortest failing sequence found. Adding a command is
// one line in Commands().

#include "support/form_fixture.h"

#include "support/drawing_strokes.h"
#include "support/figure_text.h"
#include "support/material_files.h"
#include "support/temp_dir.h"

#include "model/off_stage.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>

namespace murva {
namespace {

const std::string Examples = std::string(MURVA_TEST_DATA) + "/../../examples";

using test::ActionBlock;
using test::FigureBlock;
using test::Figures;

test::TempDir& Folder() {
    static test::TempDir folder;
    return folder;
}

// A drawing that went back to nothing and used its first id again, left an outline with a
// box of 0 0 / 0 0, and deleted a figure alone.
std::string WriteBranchedMaterial() {
    const std::vector<TPoint> outline{{40, 200}, {90, 220}, {60, 260}};
    const std::vector<TPoint> moved{{70, 180}, {120, 200}, {90, 240}};
    return test::WriteLog(
        Folder(), "reused.znd",
        ActionBlock(
            "Create", 2,
            FigureBlock("dtPolygon", {10, 10}, {30, 30}, "clRed", {{10, 10}, {30, 10}, {20, 30}})) +
            ActionBlock("Branch", 0) +
            ActionBlock("Create", 2,
                        FigureBlock("dtPolygon", {40, 200}, {90, 260}, "clBlue", outline)) +
            ActionBlock("Change", 2,
                        "Size\r\nbegin FigData\r\n0\r\n0 0\r\n0 0\r\n" + test::PointLines(outline) +
                            "end FigData\r\n") +
            ActionBlock("Move", 2,
                        FigureBlock("dtPolygon", {70, 180}, {120, 240}, "clBlue", moved)) +
            ActionBlock("Create", 3, FigureBlock("dtEllipse", {200, 50}, {260, 90}, "clYellow")) +
            ActionBlock("Create", 4,
                        FigureBlock("dtRectangle", {300, 300}, {340, 330}, "clGreen")) +
            ActionBlock("Delete", 4));
}

// The project's materials, two as the drawing program writes them, numbering its figures
// from 2, and the branched one.
const std::vector<std::string>& MaterialFiles() {
    static const std::vector<std::string> files = {
        Examples + "/sun.znd",
        Examples + "/house.znd",
        Examples + "/cat.znd",
        std::string(MURVA_TEST_DATA) + "/three_figures.znd",
        std::string(MURVA_TEST_DATA) + "/drawing_v12.znd",
        WriteBranchedMaterial(),
        test::WriteMaterial(Folder(), "three.znd", {10, 60, 110}),
        test::WriteMaterial(Folder(), "two.znd", {200, 250})};
    return files;
}

// welcome.mrv as files of other programs write it: each action under a stamp of its own.
std::string WriteWelcomeStampedApart() {
    std::ifstream in(Examples + "/welcome.mrv", std::ios::binary);
    std::string line, text;
    for (int k = 0; std::getline(in, line);) {
        if (line.starts_with("2026 ")) {
            line = "2026 12 08 10 " + std::to_string(10 + k / 40) + " " +
                   std::to_string(10 + k % 40) + " 00\r";
            ++k;
        }
        text += line + "\n";
    }
    std::filesystem::copy_file(Examples + "/welcome-bg.jpg", Folder().Path("welcome-bg.jpg"),
                               std::filesystem::copy_options::skip_existing);
    return test::WriteLog(Folder(), "apart.mrv", text.substr(text.find('\n') + 1));
}

// The animations: one going back to its second step with a Branch, one whose background
// a Branch takes back.
const std::vector<std::string>& Animations() {
    auto rect = [](TPoint start, TPoint end) {
        return FigureBlock("dtRectangle", start, end, "clRed", {}, true);
    };
    static const std::vector<std::string> files = {
        Examples + "/welcome.mrv", std::string(MURVA_TEST_DATA) + "/two_pairs.mrv",
        WriteWelcomeStampedApart(),
        test::WriteLog(Folder(), "unshown.mrv",
                       ActionBlock("ReadBG", -1, Examples + "/welcome-bg.jpg\r\n") +
                           ActionBlock("Branch", 0) +
                           ActionBlock("Create", 1, rect({100, 80}, {160, 120})) +
                           ActionBlock("Duplicate", 2, rect({100, 80}, {160, 120}))),
        test::WriteLog(Folder(), "branched.mrv",
                       ActionBlock("Create", 1, rect({100, 80}, {160, 120})) +
                           ActionBlock("Create", 2, rect({300, 80}, {360, 120})) +
                           ActionBlock("Create", 3, rect({20, 20}, {60, 60})) +
                           ActionBlock("Branch", 2) +
                           ActionBlock("Move", 2, rect({320, 200}, {380, 240})))};
    return files;
}

struct TWindow {
    test::FakeHost host;
    test::RecordingGraphics graphics;
    TZindaForm form{host, graphics};
    test::TempDir saves;
    // stateFolder: where the recovery journal is kept and looked for at start-up.
    explicit TWindow(const std::string& stateFolder = {}, TAnswer recover = TAnswer::No) {
        host.StateDir = stateFolder;
        host.Answers = {recover};
        form.FormCreate({});
        host.Answers.clear();
    }
};

// The point of the c-th figure of the current cut (counted round) to press on: a corner
// of its box, which the hit test takes; (5, 5) when the cut is empty.
TPoint PointOnFigure(const TZindaForm& form, unsigned c) {
    std::vector<TPoint> corners;
    for (auto* item = form.S.Doc.FigList().GetFirst(); item; item = item->Next)
        if (item->Data.CutNumber == form.S.Cuts.CurrentCut) corners.push_back(item->Data.Start);
    return corners.empty() ? TPoint{5, 5} : corners[c % corners.size()];
}

// The corner of a start copy of the current cut, or of the field.
TPoint PointOnStartCopy(const TZindaForm& form, unsigned c) {
    std::vector<TPoint> corners;
    const TFigItem* item = form.S.Doc.FigList().GetFirst();
    for (std::int32_t i = 0; item && i < form.S.Doc.PairCount(); ++i, item = item->Next)
        if (item->Data.CutNumber == form.S.Cuts.CurrentCut) corners.push_back(item->Data.Start);
    return corners.empty() ? TPoint{5, 5} : corners[c % corners.size()];
}

// Presses on a figure, moves along a bend and releases; the choice also picks the
// distance, and one in eight releases just outside the field's corner.
void Drag(TZindaForm& form, unsigned c, TPoint from) {
    const int dx = int(c % 7) * 9 - 27, dy = int(c % 5) * 11 - 22;
    form.PaintBoxMouseDown(from.x, from.y);
    form.PaintBoxMouseMove(from.x + dx / 2, from.y);
    form.PaintBoxMouseMove(from.x + dx, from.y + dy / 2);
    if (c % 8 == 0)
        form.PaintBoxMouseUp(-1, -1);
    else
        form.PaintBoxMouseUp(from.x + dx, from.y + dy);
}

// A command of the user; `choice` picks among its variants (a slot, a thumbnail, a file).
struct TCommand {
    const char* Name;
    std::function<void(TWindow&, unsigned choice)> Run;
};

// Commands 0 and 5 open a material and use slot 1; the commands from FirstEditCommand on
// work on the figures of the current cut.
constexpr std::size_t FirstEditCommand = 13;
const std::vector<TCommand>& Commands() {
    static const std::vector<TCommand> commands = {
        {"open a material by name",
         [](TWindow& w, unsigned c) {
             w.form.OpenFileByName(MaterialFiles()[c % MaterialFiles().size()]);
         }},
        {"そざいをよみこむ",
         [](TWindow& w, unsigned c) {
             w.host.OpenResults = {MaterialFiles()[c % MaterialFiles().size()]};
             w.form.ZindaLoadClick();
         }},
        {"ムルヴァからよみこむ a material",
         [](TWindow& w, unsigned c) {
             w.host.OpenResults = {MaterialFiles()[c % MaterialFiles().size()]};
             w.form.MurvaLoadClick();
         }},
        {"save and open it again",
         [](TWindow& w, unsigned c) {
             const std::string path = w.saves.Path("again" + std::to_string(c % 2) + ".mrv");
             w.host.SaveResults = {path};
             w.host.Answers = {TAnswer::Yes}; // replace a file saved before
             w.form.WriteDataMenuClick();
             w.host.Answers = {TAnswer::Yes, TAnswer::No}; // replace the work; keep the background
             w.host.OpenResults = {path};
             w.form.MurvaLoadClick();
         }},
        {"load an animation",
         [](TWindow& w, unsigned c) {
             w.host.Answers = {TAnswer::Yes, TAnswer::No}; // replace the work; keep the background
             w.host.OpenResults = {Animations()[c % Animations().size()]};
             w.form.MurvaLoadClick();
         }},
        {"use a slot", [](TWindow& w, unsigned c) { w.form.PartsUseBtnClick(1 + int(c % 5)); }},
        {"remove a slot",
         [](TWindow& w, unsigned c) { w.form.PartsRemoveBtnClick(1 + int(c % 5)); }},
        {"insert a cut", [](TWindow& w, unsigned) { w.form.CutMakeClick(); }},
        {"delete a cut", [](TWindow& w, unsigned) { w.form.CutDeleteClick(); }},
        {"carry a cut over", [](TWindow& w, unsigned) { w.form.CutCarryOverClick(); }},
        {"click a thumbnail",
         [](TWindow& w, unsigned c) { w.form.CutImage1Click(1 + int(c % 5)); }},
        {"＞", [](TWindow& w, unsigned) { w.form.CutCountUpBtnClick(); }},
        {"＜", [](TWindow& w, unsigned) { w.form.CutCountDownBtnClick(); }},
        {"drag with じゆうにうごかす",
         [](TWindow& w, unsigned c) {
             w.form.DrawingBtnClick(TMotionButton::MoveFreeBtn);
             Drag(w.form, c, PointOnFigure(w.form, c));
         }},
        {"drag with ちょくせんでうごかす",
         [](TWindow& w, unsigned c) {
             w.form.DrawingBtnClick(TMotionButton::MoveLineBtn);
             Drag(w.form, c, PointOnFigure(w.form, c));
         }},
        {"press a part of a drawing and recolour it",
         [](TWindow& w, unsigned c) {
             std::vector<TPoint> parts;
             for (auto* item = w.form.S.Doc.FigList().GetFirst(); item; item = item->Next) {
                 const TFigData& f = item->Data;
                 if (f.CutNumber != w.form.S.Cuts.CurrentCut || !f.StampData) continue;
                 for (auto* part = f.StampData->GetFirst(); part; part = part->Next)
                     parts.push_back({f.Start.x + (part->Data.Start.x + part->Data.End.x) / 2,
                                      f.Start.y + (part->Data.Start.y + part->Data.End.y) / 2});
             }
             const TPoint at = parts.empty() ? PointOnFigure(w.form, c) : parts[c % parts.size()];
             w.form.PaintBoxMouseDown(at.x, at.y);
             w.form.PaintBoxMouseUp(at.x, at.y);
             w.form.ColorPanelClick(1 + int(c % 16));
             w.form.AttrChangeBtnClick(c % 2 ? TColorButton::LineColorBtn
                                             : TColorButton::BodyColorBtn);
         }},
        {"drag a start copy",
         [](TWindow& w, unsigned c) { Drag(w.form, c, PointOnStartCopy(w.form, c)); }},
        {"click a figure with either tool",
         [](TWindow& w, unsigned c) {
             w.form.DrawingBtnClick(c % 2 ? TMotionButton::MoveLineBtn
                                          : TMotionButton::MoveFreeBtn);
             const TPoint at = PointOnFigure(w.form, c);
             w.form.PaintBoxMouseDown(at.x, at.y);
             w.form.PaintBoxMouseUp(at.x, at.y);
         }},
        {"pick a colour",
         [](TWindow& w, unsigned c) {
             if (c % 17 == 16)
                 w.form.ClearPanelClick();
             else
                 w.form.ColorPanelClick(1 + int(c % 17));
         }},
        {"recolour",
         [](TWindow& w, unsigned c) {
             w.form.AttrChangeBtnClick(c % 2 ? TColorButton::LineColorBtn
                                             : TColorButton::BodyColorBtn);
         }},
        {"ふやす", [](TWindow& w, unsigned) { w.form.DupBtnClick(); }},
        {"けす", [](TWindow& w, unsigned) { w.form.DeleteBtnClick(); }},
        {"ふっかつ", [](TWindow& w, unsigned) { w.form.RestoreBtnClick(); }},
        {"the resize mode button",
         [](TWindow& w, unsigned) {
             // The one face of the button that is shown.
             const std::pair<TButtonControl*, TResizeButton> faces[] = {
                 {&w.form.KeepShapeBtn, TResizeButton::KeepShapeBtn},
                 {&w.form.HVChangeBtn, TResizeButton::HVChangeBtn},
                 {&w.form.AllChangeBtn, TResizeButton::AllChangeBtn},
                 {&w.form.DRChangeBtn, TResizeButton::DRChangeBtn},
                 {&w.form.ULChangeBtn, TResizeButton::ULChangeBtn}};
             for (const auto& [face, button] : faces)
                 if (face->Visible) return w.form.AllChangeBtnClick(button);
         }},
        {"click a figure and move a size bar",
         [](TWindow& w, unsigned c) {
             const TPoint at = PointOnFigure(w.form, c);
             w.form.PaintBoxMouseDown(at.x, at.y);
             w.form.PaintBoxMouseUp(at.x, at.y);
             (c % 2 ? w.form.VTrackBar : w.form.HTrackBar).SetPosition(int(c % 200) - 99);
         }},
        {"move a size bar and back",
         [](TWindow& w, unsigned c) {
             TTrackBar& bar = c % 2 ? w.form.VTrackBar : w.form.HTrackBar;
             bar.SetPosition(int(c % 200) - 99);
             bar.SetPosition(int(c % 7) * 10 - 30);
             bar.SetPosition(0);
         }},
        {"move a size bar",
         [](TWindow& w, unsigned c) {
             (c % 2 ? w.form.VTrackBar : w.form.HTrackBar).SetPosition(int(c % 200) - 99);
         }},
        {"うごかす and play",
         [](TWindow& w, unsigned c) {
             w.form.S.Motion.SpeedProfile = TSpeedProfile(int(c % 3) - 1);
             w.form.SelectMoveBtnClick();
             if (c % 4 == 0)
                 w.form.AllPlayButtonClick();
             else
                 w.form.PlayButtonClick();
         }},
        {"うごかす and move the play bar",
         [](TWindow& w, unsigned c) {
             w.form.SelectMoveBtnClick();
             // The bar is only there to be moved while watching.
             if (w.form.WatchPanel.Visible)
                 w.form.PlayBar.SetPosition(int(c) % (w.form.PlayBar.Max + 1));
         }},
        {"つくる", [](TWindow& w, unsigned) { w.form.SelectMakeBtnClick(); }},
        {"てまえに / うしろに",
         [](TWindow& w, unsigned c) {
             w.form.FrontBackBtnClick(c % 2 ? TOrderButton::BackBtn : TOrderButton::FrontBtn);
         }},
        {"もどす", [](TWindow& w, unsigned) { w.form.UndoBtnClick(); }},
        {"やりなおす", [](TWindow& w, unsigned) { w.form.RedoBtnClick(); }},
        {"drag a figure with a path again",
         [](TWindow& w, unsigned c) {
             w.form.DrawingBtnClick(TMotionButton::MoveFreeBtn);
             Drag(w.form, c, PointOnFigure(w.form, c));
             w.form.DrawingBtnClick(c % 2 ? TMotionButton::MoveLineBtn
                                          : TMotionButton::MoveFreeBtn);
             Drag(w.form, c, PointOnFigure(w.form, c)); // the same figure, where it is now
         }},
        {"ぜんぶけす",
         [](TWindow& w, unsigned c) {
             w.host.Answers = {c % 2 ? TAnswer::Yes : TAnswer::No};
             w.form.ClearAllClick();
         }},
        {"play and stop part way",
         [](TWindow& w, unsigned c) {
             w.form.SelectMoveBtnClick();
             unsigned waits = 0;
             w.host.OnWait = [&w, &waits, c] {
                 if (++waits == c % 900) w.form.PlayButtonClick();
             };
             w.form.AllPlayButtonClick();
             w.host.OnWait = nullptr;
         }},
        {"できるまで, stopped part way or not, and stepped through",
         [](TWindow& w, unsigned c) {
             w.form.SelectMoveBtnClick();
             unsigned waits = 0;
             w.host.OnWait = [&w, &waits, c] {
                 if (++waits == c % 20) w.form.PlayButtonClick();
             };
             w.form.MakingBtnClick();
             w.host.OnWait = nullptr;
             w.form.PlayBar.SetPosition(int(c % 7)); // a step through what it showed
         }},
        {"draw a material of every kind, as a stamp or separate, into the bin",
         [](TWindow& w, unsigned c) {
             if (!w.form.DrawBtnClick()) return;
             w.form.Drawing.Board.Separate = c % 2;
             test::DrawEveryKind(w.form.Drawing.Board, c);
             w.form.DrawDoneClick();
         }},
        {"open an animation by name, choosing its background anew",
         [](TWindow& w, unsigned c) {
             w.host.Answers = {TAnswer::Yes, TAnswer::Yes};
             w.host.OpenResults = {Examples + "/welcome-bg.jpg"};
             w.form.OpenFileByName(Animations()[c % Animations().size()]);
         }},
        {"drag a copy off the field, maybe back by its tab",
         [](TWindow& w, unsigned c) {
             const TPoint at = PointOnFigure(w.form, c), out{c % 2 ? 660 : -20, at.y + 30};
             w.form.PaintBoxMouseDown(at.x, at.y);
             w.form.PaintBoxMouseMove(out.x, out.y);
             w.form.PaintBoxMouseUp(out.x, out.y);
             const TFigItem* moved = w.form.S.Doc.SelectedFig();
             const auto tab = moved ? OffStageTab(moved->Data, 640, 480) : std::nullopt;
             if (!tab || c % 3 == 0) return;
             const TPoint on{tab->Box.Left + 3, tab->Box.Top + 3};
             w.form.PaintBoxMouseDown(on.x, on.y);
             w.form.PaintBoxMouseMove(on.x - int(c % 200) * tab->Toward.x, on.y + 9);
             w.form.PaintBoxMouseUp(on.x - int(c % 200) * tab->Toward.x, on.y + 9);
         }},
        {"drag out of reach and back to where it was pressed",
         [](TWindow& w, unsigned c) {
             const TPoint at = PointOnFigure(w.form, c);
             w.form.PaintBoxMouseDown(at.x, at.y);
             w.form.PaintBoxMouseMove(at.x + (c % 2 ? 700 : -700), at.y);
             w.form.PaintBoxMouseMove(at.x, at.y);
             w.form.PaintBoxMouseUp(at.x, at.y);
         }},
    };
    return commands;
}

struct TStep {
    std::size_t Command;
    unsigned Choice;
};

std::string Describe(const std::vector<TStep>& steps) {
    std::ostringstream text;
    for (const TStep& step : steps)
        text << "\n  " << Commands()[step.Command].Name << " (" << step.Choice << ")";
    return text.str();
}

// Empty when the figures come back the same after going back and forward as many
// commands, and after a save and a load; otherwise both pictures.
// Empty when every action that names a figure finds it as a reader of the format does,
// by the first action of the log with its id; otherwise the first that does not.
std::string FirstOfEachIdCreatesIt(const THistoryList& log) {
    std::map<std::int32_t, TActionKind> first;
    for (const TActionItem* item = log.GetFirst(); item; item = item->Next) {
        const TActionData& a = item->Data;
        if (!HasTargetID(a.TargetType)) continue;
        const TActionKind kind = first.try_emplace(a.TargetID, a.TargetType).first->second;
        if (NamesFigure(a.TargetType) && !IsCreatingKind(a.TargetType) && !IsCreatingKind(kind))
            return "action " + std::to_string(item->Position) + " names id " +
                   std::to_string(a.TargetID) + ", first held by no figure";
    }
    return {};
}

std::string SaveAndReload(const std::vector<TStep>& steps) {
    test::TempDir temp;
    TWindow made;
    TDocument& doc = made.form.S.Doc;
    // The picture after each command, by where it ends in the log: もどす must come back to
    // one of them (or to a command of a file opened), never to a picture in between.
    std::map<std::int32_t, std::string> pictures{{0, {}}};
    const auto Undone = [&]() -> std::string {
        const auto known = pictures.find(doc.Commands().Done.back());
        if (known == pictures.end() || doc.FigList().Count() % 2 != 0)
            return "もどす stopped inside a command:\n" + Figures(made.form);
        if (!known->second.empty() && known->second != Figures(made.form))
            return "before:\n" + known->second + "after もどす:\n" + Figures(made.form);
        return {};
    };
    for (const TStep& step : steps) {
        const TLogMark before = doc.Log().Mark();
        const bool held = doc.HoldsChange();
        const std::int32_t lastEnd = doc.Commands().Done.back();
        made.form.BeginCommand();
        Commands()[step.Command].Run(made, step.Choice);
        // A file opened afresh brings its own commands; a size change held before is
        // recorded first, as a command of its own.
        const bool opened = before.Count == 0 || doc.Log().Generation() != before.Generation;
        if (opened) pictures.clear();
        for (const std::int32_t end : doc.Commands().Done)
            if (opened || (held && end > lastEnd)) {
                pictures.try_emplace(end);
                if (!opened) break;
            }
        if (std::string(Commands()[step.Command].Name) == "もどす")
            if (const std::string wrong = Undone(); !wrong.empty()) return wrong;
        // A size change still held is recorded by the next command, as a command of its own.
        pictures[doc.Commands().Done.back()] =
            doc.HoldsChange() ? std::string() : Figures(made.form);
    }
    const std::string done = Figures(made.form);
    const TMotionTool tool = made.form.S.Shell.CurrentTool;
    std::size_t back = 0;
    for (; back < steps.size() % 5 && doc.CanUndo(); ++back) {
        made.form.BeginCommand();
        made.form.UndoBtnClick();
        if (const std::string wrong = Undone(); !wrong.empty()) return wrong;
    }
    for (; back > 0; --back) {
        made.form.BeginCommand();
        made.form.RedoBtnClick();
    }
    if (Figures(made.form) != done || made.form.S.Shell.CurrentTool != tool)
        return "made:\n" + done + "back and forward again:\n" + Figures(made.form);
    if (const std::string wrong = FirstOfEachIdCreatesIt(doc.Log()); !wrong.empty()) return wrong;
    // The program ends here without a clean exit: its journal, held no longer, is left.
    made.host.StateDir = temp.Path("state");
    made.form.JournalTimerTimer();
    if (std::filesystem::exists(temp.Path("state"))) {
        std::filesystem::copy(temp.Path("state"), temp.Path("left"));
        TWindow back(temp.Path("left"), TAnswer::Yes);
        if (Figures(back.form) != done ||
            back.form.S.Shell.DataFileName != made.form.S.Shell.DataFileName)
            return "made:\n" + done + "from the journal:\n" + Figures(back.form);
    }
    made.host.SaveResults = {temp.Path("saved.mrv")};
    made.form.WriteDataMenuClick();
    TWindow loaded;
    loaded.form.OpenFileByName(temp.Path("saved.mrv"));
    const std::string before = Figures(made.form), after = Figures(loaded.form);
    // The reopened log goes back and forward by the same commands.
    const TCommandHistory &a = made.form.S.Doc.Commands(), &b = loaded.form.S.Doc.Commands();
    if (before == after && (a.Done != b.Done || a.Undone != b.Undone))
        return "the commands differ after a reload";
    if (before == after) return {};
    return "made:\n" + before + "loaded:\n" + after;
}

// Drops steps one at a time while the sequence still fails.
std::vector<TStep> Shrink(std::vector<TStep> steps) {
    for (std::size_t i = 0; i < steps.size();) {
        std::vector<TStep> shorter = steps;
        shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(i));
        if (!SaveAndReload(shorter).empty())
            steps = std::move(shorter);
        else
            ++i;
    }
    return steps;
}

// A step of the command with the name (its start will do).
TStep Named(const std::string& name, unsigned choice = 0) {
    for (std::size_t i = 0; i < Commands().size(); ++i)
        if (std::string(Commands()[i].Name).starts_with(name)) return {i, choice};
    throw std::invalid_argument(name);
}

TEST(SaveAndReload, TheWaysToFaultsFoundBeforeComeBackAsTheSameFigures) {
    const std::vector<std::vector<TStep>> ways = {
        // A figure's id must not be a Branch's step.
        {Named("open a material", 7), Named("use a slot"), Named("drag with じゆう", 3),
         Named("もどす"), Named("click a figure", 1), Named("ふやす"), Named("click a figure", 3),
         Named("ふやす"), Named("drag with じゆう", 5), Named("drag with じゆう", 6),
         Named("drag with じゆう", 7), Named("click a figure and move", 1)},
        // もどす in a file stamped action by action, and after a drawing with its own Branch.
        {Named("load an animation", 2), Named("もどす"), Named("もどす"), Named("もどす"),
         Named("もどす"), Named("もどす"), Named("もどす"), Named("もどす"), Named("もどす"),
         Named("もどす"), Named("もどす")},
        {Named("open a material", 5), Named("use a slot"), Named("つくる")},
        // A background a Branch took back is not offered.
        {Named("open an animation by name", 3)},
        // The tool stays across もどす to nothing and やりなおす.
        {Named("open a material", 0), Named("use a slot"), Named("drag with じゆう", 3)},
        // An outline whose box disagrees with its points, resized.
        {Named("open a material", 5), Named("use a slot"), Named("move a size bar", 7),
         Named("click a figure with", 2)},
        // A figure that waited at the edge while the pointer went out and came back.
        {Named("open a material", 0), Named("use a slot"), Named("drag out of reach", 1),
         Named("drag out of reach", 0)},
    };
    for (const std::vector<TStep>& way : ways)
        EXPECT_EQ(SaveAndReload(way), "") << Describe(way);
}

TEST(SaveAndReload, RandomCommandSequencesComeBackAsTheSameFigures) {
    // MURVA_PROPERTY_SEEDS runs more sequences by hand.
    const char* seeds = std::getenv("MURVA_PROPERTY_SEEDS");
    const unsigned last = seeds ? unsigned(std::strtoul(seeds, nullptr, 10)) : 300;
    // MURVA_FIRST_SEED starts at a seed that failed.
    const char* first = std::getenv("MURVA_FIRST_SEED");
    for (unsigned seed = first ? unsigned(std::strtoul(first, nullptr, 10)) : 1; seed <= last;
         ++seed) {
        std::mt19937 rng(seed);
        // Half the sequences work mostly on a material already in the first cut, where the
        // editing commands find figures.
        const bool editing = seed % 2;
        std::vector<TStep> steps(std::uniform_int_distribution<std::size_t>(1, 40)(rng));
        for (TStep& step : steps) {
            const std::size_t first = editing && rng() % 4 ? FirstEditCommand : 0;
            step = {first + rng() % (Commands().size() - first),
                    static_cast<unsigned>(rng() % 1000)};
        }
        if (editing) steps.insert(steps.begin(), {{0, seed}, {5, 0}});
        if (SaveAndReload(steps).empty()) continue;
        const std::vector<TStep> shortest = Shrink(steps);
        FAIL() << "seed " << seed << ", shortest failing sequence:" << Describe(shortest) << "\n"
               << SaveAndReload(shortest);
    }
}

} // namespace
} // namespace murva
