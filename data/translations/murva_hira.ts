<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>murva</name>
    <message>
        <source>確認</source>
        <translation>かくにん</translation>
    </message>
    <message>
        <source>かくにん</source>
        <translation>かくにん</translation>
    </message>
    <message>
        <source>本当にデータをよみこみますか？</source>
        <translation>ほんとうに データを よみこみますか？</translation>
    </message>
    <message>
        <source>すでにあるファイルにうわがきしますか</source>
        <translation>すでに ある ファイルに うわがき しますか</translation>
    </message>
    <message>
        <source>Murvaをおわる前にえをほぞんしますか？</source>
        <translation>ムルヴァを おわる まえに えを ほぞん しますか？</translation>
    </message>
    <message>
        <source>Murvaをおわる前にえをうわがきほぞんしますか？</source>
        <translation>ムルヴァを おわる まえに えを うわがき ほぞん しますか？</translation>
    </message>
    <message>
        <source>背景データを新しく指定しますか？</source>
        <translation>はいけいを あたらしく えらびますか？</translation>
    </message>
    <message>
        <source>もしもの ときの ほぞんが できません</source>
        <translation>もしもの ときの ほぞんが できません</translation>
    </message>
    <message>
        <source>ながい もじを みじかく しました</source>
        <translation>ながい もじを みじかく しました</translation>
    </message>
    <message>
        <source>みじかく した もじで うわがき しても いい？</source>
        <translation>みじかく した もじで うわがき しても いい？</translation>
    </message>
    <message>
        <source>%1 は まだ ひらいて いません</source>
        <translation>%1 は まだ ひらいて いません</translation>
    </message>
    <message>
        <source>ぜんぶ けしても いい？</source>
        <translation>ぜんぶ けしても いい？</translation>
    </message>
    <message>
        <source>かいた えを すてても いい？</source>
        <translation>かいた えを すてても いい？</translation>
    </message>
    <message>
        <source>さいせいするものがありません</source>
        <translation>さいせい する ものが ありません</translation>
    </message>
    <message>
        <source>ぜんぶけしました</source>
        <translation>ぜんぶ けしました</translation>
    </message>
    <message>
        <source>とめる</source>
        <translation>とめる</translation>
    </message>
    <message>
        <source>ファイルけいしきがちがいます</source>
        <translation>ファイルの けいしきが ちがいます</translation>
    </message>
    <message>
        <source>さいせい中はファイルをよみこめません</source>
        <translation>さいせいちゅうは ファイルを よみこめません</translation>
    </message>
    <message>
        <source>データ読み込みに失敗しました</source>
        <translation>データの よみこみに しっぱい しました</translation>
    </message>
    <message>
        <source>データフォーマットが違います</source>
        <translation>データの フォーマットが ちがいます</translation>
    </message>
    <message>
        <source>ActionItem：読み込みエラー</source>
        <translation>ActionItem：よみこみ エラー</translation>
    </message>
    <message>
        <source>ファイルほぞんをキャンセルしました</source>
        <translation>ファイルの ほぞんを やめました</translation>
    </message>
    <message>
        <source>データ保存に失敗しました</source>
        <translation>データの ほぞんに しっぱい しました</translation>
    </message>
    <message>
        <source>データ書き出しに失敗しました</source>
        <translation>データの かきだしに しっぱい しました</translation>
    </message>
    <message>
        <source>うわがきほぞんしました</source>
        <translation>うわがき ほぞん しました</translation>
    </message>
    <message>
        <source>画像を読み込めませんでした</source>
        <translation>えを よみこめませんでした</translation>
    </message>
    <message>
        <source>画像を書き出せませんでした</source>
        <translation>えを かきだせませんでした</translation>
    </message>
    <message>
        <source>GIFが できました</source>
        <translation>GIFが できました</translation>
    </message>
    <message>
        <source>そざいを ほぞんしました</source>
        <translation>そざいを ほぞん しました</translation>
    </message>
    <message>
        <source>選択できるカットがありません</source>
        <translation>えらべる カットが ありません</translation>
    </message>
    <message>
        <source>図形がひとつもありません</source>
        <translation>ずけいが ひとつも ありません</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>線はぬりつぶしなしにできません</source>
        <translation>せんは ぬりつぶし なしに できません</translation>
    </message>
    <message>
        <source>これより前にいくことができません。</source>
        <translation>これより まえに いく ことが できません。</translation>
    </message>
    <message>
        <source>これより後ろにいくことができません。</source>
        <translation>これより うしろに いく ことが できません。</translation>
    </message>
    <message>
        <source>これより後ろいくことができません。</source>
        <translation>これより うしろ いく ことが できません。</translation>
    </message>
    <message>
        <source>スタンプのサイズ変更：解決できないエラーが発生しました</source>
        <translation>スタンプの おおきさを かえる とき：なおせない エラーが おきました</translation>
    </message>
    <message>
        <source>JPEGファイル（*.jpg）|*.jpg|ビットマップ（*.bmp）|*.bmp</source>
        <translation>JPEGファイル（*.jpg）|*.jpg|ビットマップ（*.bmp）|*.bmp</translation>
    </message>
    <message>
        <source>Murvaファイル(*.mrv)|*.mrv|Zindaファイル(*.znd)|*.znd</source>
        <translation>Murvaファイル(*.mrv)|*.mrv|Zindaファイル(*.znd)|*.znd</translation>
    </message>
    <message>
        <source>Murvaファイル(*.mrv)|*.mrv</source>
        <translation>Murvaファイル(*.mrv)|*.mrv</translation>
    </message>
    <message>
        <source>JPEGファイル（*.jpg）|*.jpg</source>
        <translation>JPEGファイル（*.jpg）|*.jpg</translation>
    </message>
    <message>
        <source>GIFファイル（*.gif）|*.gif</source>
        <translation>GIFファイル（*.gif）|*.gif</translation>
    </message>
    <message>
        <source>Zindaファイル(*.znd)|*.znd</source>
        <translation>Zindaファイル(*.znd)|*.znd</translation>
    </message>
    <message>
        <source>そざいファイル(*.znd)|*.znd</source>
        <translation>そざいファイル(*.znd)|*.znd</translation>
    </message>
    <message>
        <source>その もじは つかえません</source>
        <translation>その もじは つかえません</translation>
    </message>
    <message>
        <source>えをかく</source>
        <translation>えを かく</translation>
    </message>
    <message>
        <source>できた</source>
        <translation>できた</translation>
    </message>
    <message>
        <source>やめる</source>
        <translation>やめる</translation>
    </message>
    <message>
        <source>ほぞん</source>
        <translation>ほぞん</translation>
    </message>
    <message>
        <source>ひとつけす</source>
        <translation>ひとつ けす</translation>
    </message>
    <message>
        <source>ぜんぶけす</source>
        <translation>ぜんぶ けす</translation>
    </message>
    <message>
        <source>ばらばらにする</source>
        <translation>ばらばらに する</translation>
    </message>
    <message>
        <source>せんの いろ</source>
        <translation>せんの いろ</translation>
    </message>
    <message>
        <source>ぬりの いろ</source>
        <translation>ぬりの いろ</translation>
    </message>
    <message>
        <source>ぬらない</source>
        <translation>ぬらない</translation>
    </message>
    <message>
        <source>せん</source>
        <translation>せん</translation>
    </message>
    <message>
        <source>しかく</source>
        <translation>しかく</translation>
    </message>
    <message>
        <source>まる</source>
        <translation>まる</translation>
    </message>
    <message>
        <source>おれせん</source>
        <translation>おれせん</translation>
    </message>
    <message>
        <source>かこむ</source>
        <translation>かこむ</translation>
    </message>
    <message>
        <source>ふで</source>
        <translation>ふで</translation>
    </message>
    <message>
        <source>もじ</source>
        <translation>もじ</translation>
    </message>
    <message>
        <source>えらぶ</source>
        <translation>えらぶ</translation>
    </message>
    <message>
        <source>ほそい</source>
        <translation>ほそい</translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation>ふつう</translation>
    </message>
    <message>
        <source>ふとい</source>
        <translation>ふとい</translation>
    </message>
    <message>
        <source>ちいさい もじ</source>
        <translation>ちいさい もじ</translation>
    </message>
    <message>
        <source>ふつうの もじ</source>
        <translation>ふつうの もじ</translation>
    </message>
    <message>
        <source>おおきい もじ</source>
        <translation>おおきい もじ</translation>
    </message>
    <message>
        <source>ファイルを開く</source>
        <translation>ファイルを ひらく</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>なまえを つけて ほぞん</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>ひらく</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>ほぞん</translation>
    </message>
    <message>
        <source>ファイル名:</source>
        <translation>ファイルの なまえ:</translation>
    </message>
    <message>
        <source>ファイルの種類:</source>
        <translation>ファイルの しゅるい:</translation>
    </message>
    <message>
        <source>場所:</source>
        <translation>ばしょ:</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>やめる</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>わかった</translation>
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
        <translation>ファイル</translation>
    </message>
    <message>
        <source>ムルヴァをほぞんする</source>
        <translation>ムルヴァを ほぞん する</translation>
    </message>
    <message>
        <source>ムルヴァをうわがきほぞん</source>
        <translation>ムルヴァを うわがき ほぞん</translation>
    </message>
    <message>
        <source>ムルヴァからよみこむ</source>
        <translation>ムルヴァから よみこむ</translation>
    </message>
    <message>
        <source>そざいをよみこむ</source>
        <translation>そざいを よみこむ</translation>
    </message>
    <message>
        <source>ムルヴァをおわる</source>
        <translation>ムルヴァを おわる</translation>
    </message>
    <message>
        <source>ひょうじ</source>
        <translation>ひょうじ</translation>
    </message>
    <message>
        <source>はいけいをよみこむ</source>
        <translation>はいけいを よみこむ</translation>
    </message>
    <message>
        <source>はいけいをけす</source>
        <translation>はいけいを けす</translation>
    </message>
    <message>
        <source>ツール</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>画像をJPGに変換</source>
        <translation>えを JPGに かえる</translation>
    </message>
    <message>
        <source>アニメをGIFにする</source>
        <translation>アニメを GIFに する</translation>
    </message>
    <message>
        <source>ぬりつぶしなし</source>
        <translation>ぬりつぶし なし</translation>
    </message>
    <message>
        <source>色がえらばれています</source>
        <translation>いろが えらばれて います</translation>
    </message>
    <message>
        <source>「ぬりつぶしなし」がえらばれています</source>
        <translation>「ぬりつぶし なし」が えらばれて います</translation>
    </message>
    <message>
        <source>大</source>
        <translation>＋</translation>
    </message>
    <message>
        <source>小</source>
        <translation>－</translation>
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
        <translation>うえ：おおきく なる&#x3000;した：ちいさく なる</translation>
    </message>
    <message>
        <source>いま：たて・よこをいっしょにかえる&#x3000;つぎ：うえ・ひだりをこていしてかえる</source>
        <translation>いま：たて・よこを いっしょに かえる&#x3000;つぎ：うえ・ひだりを こてい して かえる</translation>
    </message>
    <message>
        <source>いま：うえ・ひだりをこていしてかえる&#x3000;つぎ：した・みぎをこていしてかえる</source>
        <translation>いま：うえ・ひだりを こてい して かえる&#x3000;つぎ：した・みぎを こてい して かえる</translation>
    </message>
    <message>
        <source>いま：した・みぎをこていしてかえる&#x3000;つぎ：たて・よこをべつべつにかえる</source>
        <translation>いま：した・みぎを こてい して かえる&#x3000;つぎ：たて・よこを べつべつに かえる</translation>
    </message>
    <message>
        <source>ずけいをかえる</source>
        <translation>ずけいを かえる</translation>
    </message>
    <message>
        <source>けす</source>
        <translation>けす</translation>
    </message>
    <message>
        <source>ふやす</source>
        <translation>ふやす</translation>
    </message>
    <message>
        <source>ふっかつ</source>
        <translation>ふっかつ</translation>
    </message>
    <message>
        <source>てまえに</source>
        <translation>てまえに</translation>
    </message>
    <message>
        <source>うしろに</source>
        <translation>うしろに</translation>
    </message>
    <message>
        <source>中の色をかえる</source>
        <translation>なかの いろを かえる</translation>
    </message>
    <message>
        <source>線の色をかえる</source>
        <translation>せんの いろを かえる</translation>
    </message>
    <message>
        <source>うごきをつける</source>
        <translation>うごきを つける</translation>
    </message>
    <message>
        <source>もどす</source>
        <translation>もどす</translation>
    </message>
    <message>
        <source>やりなおす</source>
        <translation>やりなおす</translation>
    </message>
    <message>
        <source>できるまで</source>
        <translation>できるまで</translation>
    </message>
    <message>
        <source>ちょくせんでうごかす</source>
        <translation>ちょくせんで うごかす</translation>
    </message>
    <message>
        <source>じゆうにうごかす</source>
        <translation>じゆうに うごかす</translation>
    </message>
    <message>
        <source>ずっとおなじはやさ</source>
        <translation>ずっと おなじ はやさ</translation>
    </message>
    <message>
        <source>だんだんはやくなる</source>
        <translation>だんだん はやく なる</translation>
    </message>
    <message>
        <source>だんだんおそくなる</source>
        <translation>だんだん おそく なる</translation>
    </message>
    <message>
        <source>カットをかえる</source>
        <translation>カットを かえる</translation>
    </message>
    <message>
        <source>カットをさくじょ</source>
        <translation>カットを さくじょ</translation>
    </message>
    <message>
        <source>カットをいれる</source>
        <translation>カットを いれる</translation>
    </message>
    <message>
        <source>まえのカットをひきつぐ</source>
        <translation>まえの カットを ひきつぐ</translation>
    </message>
    <message>
        <source>そざいおきば</source>
        <translation>そざいおきば</translation>
    </message>
    <message>
        <source>そざいをつかう</source>
        <translation>そざいを つかう</translation>
    </message>
    <message>
        <source>そざいをけす</source>
        <translation>そざいを けす</translation>
    </message>
    <message>
        <source>＜</source>
        <translation>＜</translation>
    </message>
    <message>
        <source>ひだりへ</source>
        <translation>ひだりへ</translation>
    </message>
    <message>
        <source>＞</source>
        <translation>＞</translation>
    </message>
    <message>
        <source>みぎへ</source>
        <translation>みぎへ</translation>
    </message>
    <message>
        <source>えらんでいるカット／すべてのカット：</source>
        <translation>えらんでいる カット/すべての カット：</translation>
    </message>
    <message>
        <source>つくる</source>
        <translation>つくる</translation>
    </message>
    <message>
        <source>うごかす</source>
        <translation>うごかす</translation>
    </message>
    <message>
        <source>アニメのはやさ</source>
        <translation>アニメの はやさ</translation>
    </message>
    <message>
        <source>はやい</source>
        <translation>はやい</translation>
    </message>
    <message>
        <source>おそい</source>
        <translation>おそい</translation>
    </message>
    <message>
        <source>あ</source>
        <translation>あ</translation>
    </message>
    <message>
        <source>どうがが できました</source>
        <translation>どうがが できました</translation>
    </message>
    <message>
        <source>えコンテが できました</source>
        <translation>えコンテが できました</translation>
    </message>
    <message>
        <source>どうがを つくれませんでした（%1）</source>
        <translation>どうがを つくれませんでした（%1）</translation>
    </message>
    <message>
        <source>えを つくっています&#x3000;%1 / %2</source>
        <translation>えを つくって います&#x3000;%1 / %2</translation>
    </message>
    <message>
        <source>カット %1</source>
        <translation>カット %1</translation>
    </message>
    <message>
        <source>メモ</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>はじめ</source>
        <translation>はじめ</translation>
    </message>
    <message>
        <source>おわり</source>
        <translation>おわり</translation>
    </message>
    <message>
        <source>MP4どうが（*.mp4）|*.mp4|WebMどうが（*.webm）|*.webm</source>
        <translation>MP4 どうが（*.mp4）|*.mp4|WebM どうが（*.webm）|*.webm</translation>
    </message>
    <message>
        <source>PDFファイル（*.pdf）|*.pdf</source>
        <translation>PDF ファイル（*.pdf）|*.pdf</translation>
    </message>
    <message>
        <source>アニメを どうがにする</source>
        <translation>アニメを どうがに する</translation>
    </message>
    <message>
        <source>えコンテを つくる</source>
        <translation>えコンテを つくる</translation>
    </message>
    <message>
        <source>まえの つづきが あります。つづきから はじめる？</source>
        <translation>まえの つづきが あります。つづきから はじめる？</translation>
    </message>
    <message>
        <source>まえの つづきを すてても いい？</source>
        <translation>まえの つづきを すてても いい？</translation>
    </message>
    <message>
        <source>まえの つづきを ひらく</source>
        <translation>まえの つづきを ひらく</translation>
    </message>
    <message>
        <source>アニメ1</source>
        <translation>アニメ1</translation>
    </message>
    <message>
        <source>いま：たて・よこべつべつにかえる&#x3000;つぎ：かたちを かえずに かえる</source>
        <translation>いま：たて・よこ べつべつに かえる&#x3000;つぎ：かたちを かえずに かえる</translation>
    </message>
    <message>
        <source>いま：かたちを かえずに かえる&#x3000;つぎ：たて・よこをいっしょにかえる</source>
        <translation>いま：かたちを かえずに かえる&#x3000;つぎ：たて・よこ いっしょに かえる</translation>
    </message>
    <message>
        <source>そざいを えらぶ</source>
        <translation>そざいを えらぶ</translation>
    </message>
    <message>
        <source>ほかの ファイル</source>
        <translation>ほかの ファイル</translation>
    </message>
    <message>
        <source>どうぶつ</source>
        <translation>どうぶつ</translation>
    </message>
    <message>
        <source>のりもの</source>
        <translation>のりもの</translation>
    </message>
    <message>
        <source>ひと</source>
        <translation>ひと</translation>
    </message>
    <message>
        <source>たべもの</source>
        <translation>たべもの</translation>
    </message>
    <message>
        <source>しぜん</source>
        <translation>しぜん</translation>
    </message>
    <message>
        <source>もの</source>
        <translation>もの</translation>
    </message>
    <message>
        <source>？</source>
        <translation>？</translation>
    </message>
    <message>
        <source>ムルヴァに ついて</source>
        <translation>ムルヴァに ついて</translation>
    </message>
    <message>
        <source>%1

GNU GPL 3 で つかえます。
えの そざい: Twemoji（CC-BY 4.0）
Twitter, Inc. ほか</source>
        <translation>%1

GNU GPL 3 で つかえます。
えの そざい: Twemoji（CC-BY 4.0）
Twitter, Inc. ほか</translation>
    </message>
</context>
</TS>
