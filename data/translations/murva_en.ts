<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>murva</name>
    <message>
        <source>確認</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>かくにん</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>本当にデータをよみこみますか？</source>
        <translation>Do you really want to open the file?</translation>
    </message>
    <message>
        <source>すでにあるファイルにうわがきしますか</source>
        <translation>Do you want to save over the file that is already there?</translation>
    </message>
    <message>
        <source>Murvaをおわる前にえをほぞんしますか？</source>
        <translation>Do you want to save your picture before Murva closes?</translation>
    </message>
    <message>
        <source>Murvaをおわる前にえをうわがきほぞんしますか？</source>
        <translation>Do you want to save your picture over the old file before Murva closes?</translation>
    </message>
    <message>
        <source>背景データを新しく指定しますか？</source>
        <translation>Do you want to choose a new background?</translation>
    </message>
    <message>
        <source>もしもの ときの ほぞんが できません</source>
        <translation>Murva can&apos;t keep a just-in-case copy of your work</translation>
    </message>
    <message>
        <source>ながい もじを みじかく しました</source>
        <translation>Some long texts were made shorter</translation>
    </message>
    <message>
        <source>みじかく した もじで うわがき しても いい？</source>
        <translation>Is it OK to save over the file with the shorter texts?</translation>
    </message>
    <message>
        <source>%1 は まだ ひらいて いません</source>
        <translation>%1 is not open yet</translation>
    </message>
    <message>
        <source>ぜんぶ けしても いい？</source>
        <translation>Is it OK to erase everything?</translation>
    </message>
    <message>
        <source>かいた えを すてても いい？</source>
        <translation>Is it OK to throw away your drawing?</translation>
    </message>
    <message>
        <source>さいせいするものがありません</source>
        <translation>There is nothing to play</translation>
    </message>
    <message>
        <source>ぜんぶけしました</source>
        <translation>Everything is erased</translation>
    </message>
    <message>
        <source>とめる</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ファイルけいしきがちがいます</source>
        <translation>This is the wrong kind of file</translation>
    </message>
    <message>
        <source>さいせい中はファイルをよみこめません</source>
        <translation>You can&apos;t open a file while the animation is playing</translation>
    </message>
    <message>
        <source>データ読み込みに失敗しました</source>
        <translation>Murva could not read the data</translation>
    </message>
    <message>
        <source>データフォーマットが違います</source>
        <translation>The data is the wrong kind</translation>
    </message>
    <message>
        <source>ActionItem：読み込みエラー</source>
        <translation>ActionItem: could not read it</translation>
    </message>
    <message>
        <source>ファイルほぞんをキャンセルしました</source>
        <translation>Saving the file was cancelled</translation>
    </message>
    <message>
        <source>データ保存に失敗しました</source>
        <translation>Murva could not save the data</translation>
    </message>
    <message>
        <source>データ書き出しに失敗しました</source>
        <translation>Murva could not write the data</translation>
    </message>
    <message>
        <source>うわがきほぞんしました</source>
        <translation>Saved over the old file</translation>
    </message>
    <message>
        <source>画像を読み込めませんでした</source>
        <translation>The picture could not be opened</translation>
    </message>
    <message>
        <source>画像を書き出せませんでした</source>
        <translation>The picture could not be saved</translation>
    </message>
    <message>
        <source>GIFが できました</source>
        <translation>Your GIF is ready!</translation>
    </message>
    <message>
        <source>そざいを ほぞんしました</source>
        <translation>The material was saved</translation>
    </message>
    <message>
        <source>選択できるカットがありません</source>
        <translation>There is no scene to choose</translation>
    </message>
    <message>
        <source>図形がひとつもありません</source>
        <translation>There are no shapes at all</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>線はぬりつぶしなしにできません</source>
        <translation>A line can&apos;t be set to &quot;No fill&quot;</translation>
    </message>
    <message>
        <source>これより前にいくことができません。</source>
        <translation>It can&apos;t go any further to the front.</translation>
    </message>
    <message>
        <source>これより後ろにいくことができません。</source>
        <translation>It can&apos;t go any further to the back.</translation>
    </message>
    <message>
        <source>これより後ろいくことができません。</source>
        <translation>It can&apos;t go any further to the back.</translation>
    </message>
    <message>
        <source>スタンプのサイズ変更：解決できないエラーが発生しました</source>
        <translation>Changing the size of the stamp: something went wrong that can&apos;t be fixed</translation>
    </message>
    <message>
        <source>JPEGファイル（*.jpg）|*.jpg|ビットマップ（*.bmp）|*.bmp</source>
        <translation>JPEG picture (*.jpg)|*.jpg|Bitmap picture (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Murvaファイル(*.mrv)|*.mrv|Zindaファイル(*.znd)|*.znd</source>
        <translation>Murva file (*.mrv)|*.mrv|Material file (*.znd)|*.znd</translation>
    </message>
    <message>
        <source>Murvaファイル(*.mrv)|*.mrv</source>
        <translation>Murva file (*.mrv)|*.mrv</translation>
    </message>
    <message>
        <source>JPEGファイル（*.jpg）|*.jpg</source>
        <translation>JPEG picture (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>GIFファイル（*.gif）|*.gif</source>
        <translation>GIF animation (*.gif)|*.gif</translation>
    </message>
    <message>
        <source>Zindaファイル(*.znd)|*.znd</source>
        <translation>Material file (*.znd)|*.znd</translation>
    </message>
    <message>
        <source>そざいファイル(*.znd)|*.znd</source>
        <translation>Material file (*.znd)|*.znd</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>You can&apos;t use that letter</translation>
    </message>
    <message>
        <source>えをかく</source>
        <translation>Draw a picture</translation>
    </message>
    <message>
        <source>できた</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>やめる</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ほぞん</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ひとつけす</source>
        <translation>Erase last</translation>
    </message>
    <message>
        <source>ぜんぶけす</source>
        <translation>Erase all</translation>
    </message>
    <message>
        <source>ばらばらにする</source>
        <translation>Keep the pieces apart</translation>
    </message>
    <message>
        <source>せんの いろ</source>
        <translation>Line color</translation>
    </message>
    <message>
        <source>ぬりの いろ</source>
        <translation>Fill color</translation>
    </message>
    <message>
        <source>ぬらない</source>
        <translation>No fill</translation>
    </message>
    <message>
        <source>せん</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>しかく</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>まる</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>おれせん</source>
        <translation>Zigzag line</translation>
    </message>
    <message>
        <source>かこむ</source>
        <translation>Closed shape</translation>
    </message>
    <message>
        <source>ふで</source>
        <translation>Brush</translation>
    </message>
    <message>
        <source>もじ</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>えらぶ</source>
        <translation>Pick</translation>
    </message>
    <message>
        <source>ほそい</source>
        <translation>Thin</translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>ふとい</source>
        <translation>Thick</translation>
    </message>
    <message>
        <source>ちいさい もじ</source>
        <translation>Small letters</translation>
    </message>
    <message>
        <source>ふつうの もじ</source>
        <translation>Normal letters</translation>
    </message>
    <message>
        <source>おおきい もじ</source>
        <translation>Big letters</translation>
    </message>
    <message>
        <source>ファイルを開く</source>
        <translation>Open a file</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save with a name</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ファイル名:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>ファイルの種類:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>場所:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ことば / Language</source>
        <translation>ことば / Language</translation>
    </message>
    <message>
        <source>かんじ</source>
        <translation>かんじ</translation>
    </message>
    <message>
        <source>ひらがな</source>
        <translation>ひらがな</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>ムルヴァをほぞんする</source>
        <translation>Save Murva file</translation>
    </message>
    <message>
        <source>ムルヴァをうわがきほぞん</source>
        <translation>Save over Murva file</translation>
    </message>
    <message>
        <source>ムルヴァからよみこむ</source>
        <translation>Open Murva file</translation>
    </message>
    <message>
        <source>そざいをよみこむ</source>
        <translation>Open material file</translation>
    </message>
    <message>
        <source>ムルヴァをおわる</source>
        <translation>Close Murva</translation>
    </message>
    <message>
        <source>ひょうじ</source>
        <translation>View</translation>
    </message>
    <message>
        <source>はいけいをよみこむ</source>
        <translation>Open background</translation>
    </message>
    <message>
        <source>はいけいをけす</source>
        <translation>Remove background</translation>
    </message>
    <message>
        <source>ツール</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>画像をJPGに変換</source>
        <translation>Turn picture into JPG</translation>
    </message>
    <message>
        <source>アニメをGIFにする</source>
        <translation>Turn animation into GIF</translation>
    </message>
    <message>
        <source>ぬりつぶしなし</source>
        <translation>No fill</translation>
    </message>
    <message>
        <source>色がえらばれています</source>
        <translation>This color is chosen</translation>
    </message>
    <message>
        <source>「ぬりつぶしなし」がえらばれています</source>
        <translation>&quot;No fill&quot; is chosen</translation>
    </message>
    <message>
        <source>大</source>
        <translation>+</translation>
    </message>
    <message>
        <source>小</source>
        <translation>-</translation>
    </message>
    <message>
        <source>右</source>
        <translation>→</translation>
    </message>
    <message>
        <source>左</source>
        <translation>←</translation>
    </message>
    <message>
        <source>下</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>上</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>うえ：大きくなる&#x3000;した：ちいさくなる</source>
        <translation>Up: bigger. Down: smaller.</translation>
    </message>
    <message>
        <source>いま：たて・よこをいっしょにかえる&#x3000;つぎ：うえ・ひだりをこていしてかえる</source>
        <translation>Now: change height and width together. Next: change size, keeping the top and left still.</translation>
    </message>
    <message>
        <source>いま：うえ・ひだりをこていしてかえる&#x3000;つぎ：した・みぎをこていしてかえる</source>
        <translation>Now: change size, keeping the top and left still. Next: change size, keeping the bottom and right still.</translation>
    </message>
    <message>
        <source>いま：した・みぎをこていしてかえる&#x3000;つぎ：たて・よこをべつべつにかえる</source>
        <translation>Now: change size, keeping the bottom and right still. Next: change height and width one at a time.</translation>
    </message>
    <message>
        <source>ずけいをかえる</source>
        <translation>Change shapes</translation>
    </message>
    <message>
        <source>けす</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>ふやす</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ふっかつ</source>
        <translation>Bring back</translation>
    </message>
    <message>
        <source>てまえに</source>
        <translation>To the front</translation>
    </message>
    <message>
        <source>うしろに</source>
        <translation>To the back</translation>
    </message>
    <message>
        <source>中の色をかえる</source>
        <translation>Change the inside color</translation>
    </message>
    <message>
        <source>線の色をかえる</source>
        <translation>Change the line color</translation>
    </message>
    <message>
        <source>うごきをつける</source>
        <translation>Add movement</translation>
    </message>
    <message>
        <source>もどす</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やりなおす</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>できるまで</source>
        <translation>How it was made</translation>
    </message>
    <message>
        <source>ちょくせんでうごかす</source>
        <translation>Move in a straight line</translation>
    </message>
    <message>
        <source>じゆうにうごかす</source>
        <translation>Move any way you like</translation>
    </message>
    <message>
        <source>ずっとおなじはやさ</source>
        <translation>Same speed</translation>
    </message>
    <message>
        <source>だんだんはやくなる</source>
        <translation>Faster and faster</translation>
    </message>
    <message>
        <source>だんだんおそくなる</source>
        <translation>Slower and slower</translation>
    </message>
    <message>
        <source>カットをかえる</source>
        <translation>Change scenes</translation>
    </message>
    <message>
        <source>カットをさくじょ</source>
        <translation>Remove this scene</translation>
    </message>
    <message>
        <source>カットをいれる</source>
        <translation>Add a scene</translation>
    </message>
    <message>
        <source>まえのカットをひきつぐ</source>
        <translation>Carry on from the scene before</translation>
    </message>
    <message>
        <source>そざいおきば</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>そざいをつかう</source>
        <translation>Use this material</translation>
    </message>
    <message>
        <source>そざいをけす</source>
        <translation>Remove this material</translation>
    </message>
    <message>
        <source>＜</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>ひだりへ</source>
        <translation>To the left</translation>
    </message>
    <message>
        <source>＞</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>みぎへ</source>
        <translation>To the right</translation>
    </message>
    <message>
        <source>えらんでいるカット／すべてのカット：</source>
        <translation>This scene / all scenes:</translation>
    </message>
    <message>
        <source>つくる</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>うごかす</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>アニメのはやさ</source>
        <translation>Animation speed</translation>
    </message>
    <message>
        <source>はやい</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>おそい</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>あ</source>
        <translation>A</translation>
    </message>
    <message>
        <source>どうがが できました</source>
        <translation>The video is ready</translation>
    </message>
    <message>
        <source>えコンテが できました</source>
        <translation>The storyboard is ready</translation>
    </message>
    <message>
        <source>どうがを つくれませんでした（%1）</source>
        <translation>The video could not be made (%1)</translation>
    </message>
    <message>
        <source>えを つくっています&#x3000;%1 / %2</source>
        <translation>Making pictures: %1 of %2</translation>
    </message>
    <message>
        <source>カット %1</source>
        <translation>Cut %1</translation>
    </message>
    <message>
        <source>メモ</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>はじめ</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>おわり</source>
        <translation>End</translation>
    </message>
    <message>
        <source>MP4どうが（*.mp4）|*.mp4|WebMどうが（*.webm）|*.webm</source>
        <translation>MP4 video (*.mp4)|*.mp4|WebM video (*.webm)|*.webm</translation>
    </message>
    <message>
        <source>PDFファイル（*.pdf）|*.pdf</source>
        <translation>PDF file (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>アニメを どうがにする</source>
        <translation>Make a video</translation>
    </message>
    <message>
        <source>えコンテを つくる</source>
        <translation>Make a storyboard</translation>
    </message>
    <message>
        <source>まえの つづきが あります。つづきから はじめる？</source>
        <translation>Your last work is still here. Go on with it?</translation>
    </message>
    <message>
        <source>まえの つづきを すてても いい？</source>
        <translation>Throw away your last work?</translation>
    </message>
    <message>
        <source>まえの つづきを ひらく</source>
        <translation>Open your last work</translation>
    </message>
    <message>
        <source>アニメ1</source>
        <translation>Animation 1</translation>
    </message>
    <message>
        <source>いま：たて・よこべつべつにかえる&#x3000;つぎ：かたちを かえずに かえる</source>
        <translation>Now: change height and width one at a time. Next: change size, keeping the shape.</translation>
    </message>
    <message>
        <source>いま：かたちを かえずに かえる&#x3000;つぎ：たて・よこをいっしょにかえる</source>
        <translation>Now: change size, keeping the shape. Next: change height and width together.</translation>
    </message>
    <message>
        <source>そざいを えらぶ</source>
        <translation>Choose a picture</translation>
    </message>
    <message>
        <source>ほかの ファイル</source>
        <translation>Other file</translation>
    </message>
    <message>
        <source>どうぶつ</source>
        <translation>Animals</translation>
    </message>
    <message>
        <source>のりもの</source>
        <translation>Vehicles</translation>
    </message>
    <message>
        <source>ひと</source>
        <translation>People</translation>
    </message>
    <message>
        <source>たべもの</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>しぜん</source>
        <translation>Nature</translation>
    </message>
    <message>
        <source>もの</source>
        <translation>Things</translation>
    </message>
    <message>
        <source>？</source>
        <translation>?</translation>
    </message>
    <message>
        <source>ムルヴァに ついて</source>
        <translation>About Murva</translation>
    </message>
    <message>
        <source>%1

GNU GPL 3 で つかえます。
えの そざい: Twemoji（CC-BY 4.0）
Twitter, Inc. ほか</source>
        <translation>%1

Free to use under the GNU GPL 3.
Pictures: Twemoji (CC-BY 4.0)
by Twitter, Inc. and others</translation>
    </message>
</context>
</TS>
