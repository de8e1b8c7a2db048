#pragma once
// The main window without its toolkit: the application state, the control models, the
// subsystems, and one method per event handler. Handlers stay short and call the
// subsystem that does the work.

#include "anim/animation_files.h"
#include "anim/film_export.h"
#include "anim/film_strip.h"
#include "anim/history_steps.h"
#include "anim/making_replay.h"
#include "anim/material_drawing.h"
#include "anim/parts_bin.h"
#include "anim/pictures.h"
#include "anim/playback.h"
#include "anim/speed_controls.h"
#include "anim/storyboard.h"
#include "anim/work_recovery.h"
#include "anim/work_reset.h"
#include "app/app_state.h"
#include "edit/field_mouse.h"
#include "edit/figure_editor.h"
#include "edit/resizer.h"
#include "ui/host.h"
#include "ui/painter.h"
#include "ui/texts.h"
#include "ui/window_controls.h"

#include <string>
#include <utility>
#include <vector>

namespace murva {

class TZindaForm : public TWindowControls {
public:
    TZindaForm(Host& host, Graphics& graphics);
    ~TZindaForm();

    AppState S;

    // --- Start-up, reset, opening files ---
    // args: the command-line arguments after the program name.
    void FormCreate(const std::vector<std::string>& args);
    void ResetDocument() { WorkReset.ResetDocument(); }
    void OpenFileByName(const std::string& path) { Files.OpenFileByName(path); }
    // Files dropped on the window: only the first is opened.
    void WMDropFiles(const std::vector<std::string>& paths);

    // --- The recovery journal ---
    // About once a second: unsaved work goes into the journal.
    void JournalTimerTimer() { Recovery.KeepJournal(); }

    // --- Painting ---
    void PaintBoxPaint() { Painter.PaintBoxPaint(); }
    // The window's zoom changed: the field and the thumbnails are painted at `scale`
    // device pixels per field pixel, the picture they show kept.
    void ZoomChange(double scale);
    // What the window shows about the document and the modes, from the state: the caption,
    // the counter, the marked thumbnail, the pressed motion tool, the enabled buttons. The
    // front end calls it whenever it presents the window.
    void ShowState();

    // --- The drawing field's mouse, in field coordinates ---
    void PaintBoxMouseDown(std::int32_t x, std::int32_t y) { FieldMouse.PaintBoxMouseDown(x, y); }
    void PaintBoxMouseMove(std::int32_t x, std::int32_t y) { FieldMouse.PaintBoxMouseMove(x, y); }
    void PaintBoxMouseUp(std::int32_t x, std::int32_t y) { FieldMouse.PaintBoxMouseUp(x, y); }
    void DrawingBtnClick(TMotionButton button) { FieldMouse.DrawingBtnClick(button); }

    // --- "ずけいをかえる" and the palette ---
    // Palette field 1..16.
    void ColorPanelClick(int field) { Editor.ColorPanelClick(field); }
    void ClearPanelClick() { Editor.ClearPanelClick(); }
    void AttrChangeBtnClick(TColorButton button) { Editor.AttrChangeBtnClick(button); }
    void DupBtnClick() { Editor.DupBtnClick(); }
    void DeleteBtnClick() { Editor.DeleteBtnClick(); }
    void RestoreBtnClick() { Editor.RestoreBtnClick(); }
    void FrontBackBtnClick(TOrderButton button) { Editor.FrontBackBtnClick(button); }

    // --- The size bars and the mode button ---
    void AllChangeBtnClick(TResizeButton button) { Resizer.AllChangeBtnClick(button); }
    void TrackBarChange(TAxis axis) { Resizer.TrackBarChange(axis); }

    // --- "もどす" and "やりなおす" ---
    void UndoBtnClick() { History.UndoBtnClick(); }
    void RedoBtnClick() { History.RedoBtnClick(); }
    // A user input begins: what it records is one step for "もどす". Any input but a look
    // (the play bar, the pointer moving) ends stepping through できるまで.
    void BeginCommand(TInput input = TInput::Command) {
        if (input == TInput::Command) Making.EndSteps();
        S.Doc.BeginCommand();
    }

    // --- The speed of a run ---
    void SameSpeedBtnClick() { Speed.SameSpeedBtnClick(); }
    void FastSpeedBtnClick() { Speed.FastSpeedBtnClick(); }
    void SlowSpeedBtnClick() { Speed.SlowSpeedBtnClick(); }
    void SpeedBarChange() { Speed.SpeedBarChange(); }
    void SpeedBtnClick(TSpeedButton button) { Speed.SpeedBtnClick(button); }

    // --- Watching ---
    void SelectMoveBtnClick() { Playback.SelectMoveBtnClick(); }
    void SelectMakeBtnClick() { Playback.SelectMakeBtnClick(); }
    void PlayButtonClick() { Playback.PlayButtonClick(); }
    void AllPlayButtonClick() { Playback.AllPlayButtonClick(); }
    // After できるまで, the play bar steps through its commands.
    void PlayBarChange() { Making.PlayBarChange(); }
    // "できるまで": how the animation was made, command by command.
    void MakingBtnClick() { Making.MakingBtnClick(); }
    // A key pressed in the window: Escape stops a run.
    void FormKeyDown(TKey key) {
        if (key == TKey::Escape) Playback.StopRun();
    }

    // --- The File menu ---
    // The menu's and the button's save, and save over.
    void WriteDataMenuClick() { Files.WriteDataMenuClick(); }
    void OverWriteDataMenuClick() { Files.OverWriteDataMenuClick(); }
    void MurvaLoadClick() { Files.MurvaLoadClick(); }
    void ZindaLoadClick() { Files.ZindaLoadClick(); }
    // "まえの つづきを ひらく", shown while some work set aside is there.
    void OpenSetAsideWorkClick() { Recovery.OpenSetAsideWorkClick(); }
    bool SetAsideWorkThere() const { return Recovery.SetAsideWorkThere(); }
    void ExitMenuClick();
    // The window is asked to close.
    void FormCloseQuery();

    // --- The film strip and the cut commands ---
    // A click on thumbnail 1..5 (all five are one handler).
    void CutImage1Click(int thumb) { Strip.CutImageClick(thumb); }
    void CutCountDownBtnClick() { Strip.CutCountDownBtnClick(); }
    void CutCountUpBtnClick() { Strip.CutCountUpBtnClick(); }
    void InputEditKeyPress(TKey key) { Strip.InputEditKeyPress(key); }
    void CutMakeClick() { Strip.CutMakeClick(); }
    void CutDeleteClick() { Strip.CutDeleteClick(); }
    void CutCarryOverClick() { Strip.CutCarryOverClick(); }

    // --- The parts bin: slot 1..5 ---
    void PartsUseBtnClick(int slot) { Bin.UseSlot(slot); }
    void PartsRemoveBtnClick(int slot) { Bin.RemoveSlot(slot); }
    // A click on an empty slot's picture opens the ready materials.
    void PartsImageClick(int slot) { Files.PartsImageClick(slot); }

    // --- "えをかく": the drawing window ---
    // Whether the drawing window opens, on an empty canvas.
    bool DrawBtnClick() { return Drawing.DrawBtnClick(); }
    // Whether a drawing came back at start-up: the window opens the drawing window for it.
    bool DrawingInProgress() const { return !Drawing.Board.IsEmpty(); }
    // "できた" and "やめる": whether the drawing window closes.
    bool DrawDoneClick() { return Drawing.DoneClick(); }
    bool DrawCancelClick() { return Drawing.CancelClick(); }
    void DrawClearClick() { Drawing.ClearClick(); }
    void DrawTextEnter(const std::string& utf8) { Drawing.EnterText(utf8); }
    void DrawSaveClick() { Drawing.SaveClick(); }

    // --- The View and Tool menus ---
    void ReadBGMenuClick() { Pictures.ReadBGMenuClick(); }
    void ClearMenuClick() { Pictures.ClearMenuClick(); }
    // "ぜんぶけす": everything back to an empty document.
    void ClearAllClick();
    void Save2JPEGMenuClick() { Pictures.Save2JPEGMenuClick(); }
    void Save2GIFMenuClick() { Films.Save2GIFMenuClick(); }
    void Save2VideoMenuClick() { Films.Save2VideoMenuClick(); }
    void StoryboardMenuClick() { Storyboard.StoryboardMenuClick(); }
    // "ムルヴァに ついて": the version, the licence, and whose the ready pictures are.
    void AboutMenuClick() { host.ShowMessage(texts::About, S.Shell.VersionTitle); }

    Host& GetHost() { return host; }

    // The subsystems, each over the state it owns and the shared services.
    // Paints the document into the window's pictures, for every command.
    TPainter Painter;
    TWorkReset WorkReset;
    TPictures Pictures;
    TFilmStrip Strip;
    TAnimationFiles Files;
    TPartsBin Bin;
    TFieldMouse FieldMouse;
    TFigureEditor Editor;
    TResizer Resizer;
    TSpeedControls Speed;
    TPlayback Playback;
    TMakingReplay Making;
    TFilmExport Films;
    TStoryboard Storyboard;
    THistorySteps History;
    TWorkRecovery Recovery;
    TMaterialDrawing Drawing;

private:
    void LayOutInitialState();
    // The work was saved or given up: the program ends and leaves no journal.
    [[noreturn]] void LeaveCleanly();
    Host& host;
    Graphics& graphics;
    // The cut and count the counter was last written with.
    std::pair<std::int32_t, std::int32_t> ShownCounter{-1, -1};
};

} // namespace murva
