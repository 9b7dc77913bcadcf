// Pelmo's resources as the program meets them: loaded through the ANSI interfaces from this
// test program (which links the same resource objects) and from Pelmo.exe itself, and read
// back raw where the loaded form hides a detail (template flags, styles, picture formats).
// Expected texts are code-page-932 bytes; the comment beside each shows the text.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"

#ifndef PELMO_EXE_PATH
#error "PELMO_EXE_PATH must name the built Pelmo.exe"
#endif

namespace {

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

// Bytes as hex, so that a failing comparison shows both sides legibly.
std::string Hex(const std::string& bytes)
{
    std::string out;
    char cell[4];
    for (unsigned char c : bytes) {
        std::snprintf(cell, sizeof cell, "%02X ", c);
        out += cell;
    }
    return out.empty() ? "(empty)" : out.substr(0, out.size() - 1);
}

std::string ToCodePage932(const WCHAR* text, int length)
{
    if (length == 0)
        return std::string();
    int bytes = WideCharToMultiByte(932, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(bytes, '\0');
    WideCharToMultiByte(932, 0, text, length, &out[0], bytes, nullptr, nullptr);
    return out;
}

enum class Source { TestModule, PelmoExe };

HMODULE OpenModule(Source source)
{
    if (source == Source::TestModule)
        return GetModuleHandleA(nullptr);
    static HMODULE exe = LoadLibraryExA(PELMO_EXE_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return exe;
}

std::string ModulePath(Source source)
{
    if (source == Source::PelmoExe)
        return PELMO_EXE_PATH;
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// One Japanese resource, raw.
struct Raw {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

Raw FindRaw(HMODULE module, LPCSTR type, WORD id)
{
    Raw raw;
    HRSRC found = FindResourceExA(module, type, MAKEINTRESOURCEA(id), kJapanese);
    if (found != nullptr) {
        raw.data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
        raw.size = SizeofResource(module, found);
    }
    return raw;
}

// Reads a resource's little-endian fields in order.
class Reader {
public:
    Reader(const BYTE* data, DWORD size) : m_pData(data), m_nSize(size) {}
    WORD Word() { WORD w = 0; Copy(&w, 2); return w; }
    DWORD Dword() { DWORD d = 0; Copy(&d, 4); return d; }
    short Short() { return static_cast<short>(Word()); }
    // A zero-terminated UTF-16 string, returned in code page 932.
    std::string Text()
    {
        std::vector<WCHAR> chars;
        for (WCHAR c = Word(); c != 0 && !Failed(); c = Word())
            chars.push_back(c);
        return ToCodePage932(chars.data(), static_cast<int>(chars.size()));
    }
    void AlignDword() { m_nPos = (m_nPos + 3) & ~3u; }
    DWORD Pos() const { return m_nPos; }
    bool Failed() const { return m_bFailed; }

private:
    void Copy(void* out, DWORD n)
    {
        if (m_nPos + n > m_nSize) {
            m_bFailed = true;
            return;
        }
        memcpy(out, m_pData + m_nPos, n);
        m_nPos += n;
    }
    const BYTE* m_pData;
    DWORD m_nSize;
    DWORD m_nPos = 0;
    bool m_bFailed = false;
};

class ResourceTest : public ::testing::TestWithParam<Source> {
protected:
    HMODULE Module() const { return OpenModule(GetParam()); }
    void SetUp() override { ASSERT_NE(nullptr, Module()) << "cannot open " << PELMO_EXE_PATH; }
};

std::string SourceName(const ::testing::TestParamInfo<Source>& info)
{
    return info.param == Source::TestModule ? "TestModule" : "PelmoExe";
}

// ---------------------------------------------------------------------------------------------
// Strings

struct StringCase {
    UINT id;
    const char* bytes;
};

const StringCase kStrings[] = {
    {IDR_MAINFRAME, "Pelmora"},  // Pelmora
    {IDS_HINT_HERE, "\x8E\x9F\x82\xCD\x82\xB1\x82\xB1\x82\xC5\x82\xB7!!"},  // 次はここです!!
    {IDS_HINT_NEXT, "\x8E\x9F\x82\xCD %i \x82\xC5\x82\xB7\xA5\xA5\xA5"},  // 次は %i です･･･
    {IDS_REMAINING, "%i \x8C\xC2\x8E\x63\x82\xE8"},  // %i 個残り
    {IDS_CLEARED, "%3.2f \x95\x62\x82\xC5\x83\x4E\x83\x8A\x83\x41!!"},  // %3.2f 秒でクリア!!
    {IDS_START_LINE1, "\x82\x50\x82\xA9\x82\xE7\x8F\x87\x94\xD4\x82\xC9\x83\x7B\x83\x5E\x83\x93\x82\xF0\x83\x4E\x83\x8A\x83\x62\x83\x4E\x82\xB5\x82\xC4\x81\x41"},  // １から順番にボタンをクリックして、
    {IDS_START_LINE2, "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83\x7B\x83\x5E\x83\x93\x82\xF0\x8F\xC1\x8B\x8E\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42"},  // すべてのボタンを消去してください。
    {IDS_RESULT_LINE1, "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83\x7B\x83\x5E\x83\x93\x82\xF0\x8F\xC1\x8B\x8E\x82\xB7\x82\xE9\x82\xCC\x82\xC9\x81\x41"},  // すべてのボタンを消去するのに、
    {IDS_RESULT_LINE2, "%3.2f \x95\x62\x82\xA9\x82\xA9\x82\xE8\x82\xDC\x82\xB5\x82\xBD\x81\x42"},  // %3.2f 秒かかりました。
    {IDS_START_BUTTON, "\x83\x51\x81\x5B\x83\x80\x83\x58\x83\x5E\x81\x5B\x83\x67"},  // ゲームスタート
    {IDS_RESULT_BUTTON, "\x97\xB9\x81\x40\x89\xF0"},  // 了　解
    {IDS_START_CAPTION, "Pelmroa\xB9\xDE\xB0\xD1\x8A\x4A\x8E\x6E"},  // Pelmroaｹﾞｰﾑ開始
    {IDS_RESULT_CAPTION, "Pelmroa\xB9\xDE\xB0\xD1\x8C\x8B\x89\xCA"},  // Pelmroaｹﾞｰﾑ結果
    {ID_GAME_RETRY, "Pelmora\x82\xF0\xD8\xC4\xD7\xB2\x82\xB5\x82\xDC\x82\xB7\n\xD8\xC4\xD7\xB2"},  // Pelmoraをﾘﾄﾗｲします\nﾘﾄﾗｲ
    {ID_GAME_2X2, "2x2\x82\xCC\x83\x7D\x83\x67\x83\x8A\x83\x62\x83\x4E\x83\x58\x82\xC5\xC4\xD7\xB2\x82\xB5\x82\xDC\x82\xB7\n2x2"},  // 2x2のマトリックスでﾄﾗｲします\n2x2
    {ID_GAME_3X3, "3x3\x82\xCC\x83\x7D\x83\x67\x83\x8A\x83\x62\x83\x4E\x83\x58\x82\xC5\xC4\xD7\xB2\x82\xB5\x82\xDC\x82\xB7\n3x3"},  // 3x3のマトリックスでﾄﾗｲします\n3x3
    {ID_GAME_4X4, "4x4\x82\xCC\x83\x7D\x83\x67\x83\x8A\x83\x62\x83\x4E\x83\x58\x82\xC5\xC4\xD7\xB2\x82\xB5\x82\xDC\x82\xB7\n4x4"},  // 4x4のマトリックスでﾄﾗｲします\n4x4
    {ID_GAME_5X5, "5x5\x82\xCC\x83\x7D\x83\x67\x83\x8A\x83\x62\x83\x4E\x83\x58\x82\xC5\xC4\xD7\xB2\x82\xB5\x82\xDC\x82\xB7\n5x5"},  // 5x5のマトリックスでﾄﾗｲします\n5x5
    {ID_VIEW_RANKING, "\x8C\xBB\x8D\xDD\x82\xCC\xD7\xDD\xB7\xDD\xB8\xDE\x82\xF0\x95\x5C\x8E\xA6\x82\xB5\x82\xDC\x82\xB7\n\xD7\xDD\xB7\xDD\xB8\xDE"},  // 現在のﾗﾝｷﾝｸﾞを表示します\nﾗﾝｷﾝｸﾞ
    {ID_VIEW_NAVIGATION, "\xC5\xCB\xDE\xB9\xDE\xB0\xBC\xAE\xDD\xC1\xAF\xCC\xDF\x82\xCC\x95\x5C\x8E\xA6/\x94\xF1\x95\x5C\x8E\xA6\n\xC5\xCB\xDE\xB9\xDE\xB0\xBC\xAE\xDD\xC1\xAF\xCC\xDF\x82\xCC\x95\x5C\x8E\xA6\x97\x4C\x96\xB3"},  // ﾅﾋﾞｹﾞｰｼｮﾝﾁｯﾌﾟの表示/非表示\nﾅﾋﾞｹﾞｰｼｮﾝﾁｯﾌﾟの表示有無
    {ID_EDIT_CLEAR, "\x91\x49\x91\xF0\x94\xCD\x88\xCD\x82\xF0\x8F\xC1\x8B\x8E\n\x8F\xC1\x8B\x8E"},  // 選択範囲を消去\n消去
    {ID_EDIT_CLEAR_ALL, "\x82\xB7\x82\xD7\x82\xC4\x8F\xC1\x8B\x8E\n\x82\xB7\x82\xD7\x82\xC4\x8F\xC1\x8B\x8E"},  // すべて消去\nすべて消去
    {ID_EDIT_COPY, "\x91\x49\x91\xF0\x94\xCD\x88\xCD\x82\xF0\xBA\xCB\xDF\xB0\x82\xB5\x82\xC4\xB8\xD8\xAF\xCC\xDF\xCE\xDE\xB0\xC4\xDE\x82\xC9\x95\xDB\x91\xB6\n\xBA\xCB\xDF\xB0"},  // 選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ
    {ID_EDIT_CUT, "\x91\x49\x91\xF0\x94\xCD\x88\xCD\x82\xF0\x90\xD8\x82\xE8\x8E\xE6\x82\xC1\x82\xC4\xB8\xD8\xAF\xCC\xDF\xCE\xDE\xB0\xC4\xDE\x82\xC9\x95\xDB\x91\xB6\n\x90\xD8\x82\xE8\x8E\xE6\x82\xE8"},  // 選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り
    {ID_EDIT_FIND, "\x8E\x77\x92\xE8\x82\xB5\x82\xBD\x95\xB6\x8E\x9A\x97\xF1\x82\xCC\x8C\x9F\x8D\xF5\n\x8C\x9F\x8D\xF5"},  // 指定した文字列の検索\n検索
    {ID_EDIT_PASTE, "\xB8\xD8\xAF\xCC\xDF\xCE\xDE\xB0\xC4\xDE\x82\xCC\x93\xE0\x97\x65\x82\xF0\x93\x5C\x82\xE8\x95\x74\x82\xAF\n\x93\x5C\x82\xE8\x95\x74\x82\xAF"},  // ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け
    {ID_EDIT_REPEAT, "\x92\xBC\x91\x4F\x82\xC9\x8D\x73\x82\xC1\x82\xBD\x93\xAE\x8D\xEC\x82\xF0\x8C\x4A\x82\xE8\x95\xD4\x82\xB7\n\x8C\x4A\x82\xE8\x95\xD4\x82\xB5"},  // 直前に行った動作を繰り返す\n繰り返し
    {ID_EDIT_REPLACE, "\x8E\x77\x92\xE8\x82\xB5\x82\xBD\x95\xB6\x8E\x9A\x97\xF1\x82\xF0\x91\xBC\x82\xCC\x95\xB6\x8E\x9A\x97\xF1\x82\xC5\x92\x75\x8A\xB7\n\x92\x75\x8A\xB7"},  // 指定した文字列を他の文字列で置換\n置換
    {ID_EDIT_SELECT_ALL, "\xCC\xA7\xB2\xD9\x93\xE0\x82\xCC\x82\xB7\x82\xD7\x82\xC4\x82\xF0\x91\x49\x91\xF0\n\x82\xB7\x82\xD7\x82\xC4\x91\x49\x91\xF0"},  // ﾌｧｲﾙ内のすべてを選択\nすべて選択
    {ID_EDIT_UNDO, "\x92\xBC\x91\x4F\x82\xC9\x8D\x73\x82\xC1\x82\xBD\x93\xAE\x8D\xEC\x82\xF0\x8C\xB3\x82\xC9\x96\xDF\x82\xB7\n\x8C\xB3\x82\xC9\x96\xDF\x82\xB7"},  // 直前に行った動作を元に戻す\n元に戻す
    {ID_EDIT_REDO, "\x92\xBC\x91\x4F\x82\xC9\x8D\x73\x82\xC1\x82\xBD\x93\xAE\x8D\xEC\x82\xF0\x8C\x4A\x82\xE8\x95\xD4\x82\xB7\n\x8C\x4A\x82\xE8\x95\xD4\x82\xB7"},  // 直前に行った動作を繰り返す\n繰り返す
    {ID_WINDOW_SPLIT, "\x8D\xEC\x8B\xC6\x92\x86\x82\xCC\xB3\xA8\xDD\xC4\xDE\xB3\x82\xF0\x95\xAA\x8A\x84\n\x95\xAA\x8A\x84"},  // 作業中のｳｨﾝﾄﾞｳを分割\n分割
    {ID_APP_ABOUT, "\xCC\xDF\xDB\xB8\xDE\xD7\xD1\x82\xCC\x8F\xEE\x95\xF1\x81\x41\xCA\xDE\xB0\xBC\xDE\xAE\xDD\x82\xBB\x82\xB5\x82\xC4\x92\x98\x8D\xEC\x8C\xA0\x82\xF0\x95\x5C\x8E\xA6\n\xCA\xDE\xB0\xBC\xDE\xAE\xDD\x8F\xEE\x95\xF1"},  // ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報
    {ID_APP_EXIT, "Pelmora\x82\xF0\x8F\x49\x97\xB9\x82\xB5\x82\xDC\x82\xB7\n\x8F\x49\x97\xB9"},  // Pelmoraを終了します\n終了
    {ID_NEXT_PANE, "\x8E\x9F\x82\xCC\xB3\xA8\xDD\xC4\xDE\xB3\x82\xC9\x90\xD8\x82\xE8\x91\xD6\x82\xA6\x82\xE9\n\x8E\x9F\x82\xCC\xCD\xDF\xB2\xDD"},  // 次のｳｨﾝﾄﾞｳに切り替える\n次のﾍﾟｲﾝ
    {ID_PREV_PANE, "\x91\x4F\x82\xCC\xB3\xA8\xDD\xC4\xDE\xB3\x82\xC9\x90\xD8\x82\xE8\x91\xD6\x82\xA6\x82\xE9\n\x91\x4F\x82\xCC\xCD\xDF\xB2\xDD"},  // 前のｳｨﾝﾄﾞｳに切り替える\n前のﾍﾟｲﾝ
    {ID_VIEW_STATUS_BAR, "\xBD\xC3\xB0\xC0\xBD \xCA\xDE\xB0\x82\xCC\x95\x5C\x8E\xA6/\x94\xF1\x95\x5C\x8E\xA6\n\xBD\xC3\xB0\xC0\xBD \xCA\xDE\xB0\x82\xCC\x95\x5C\x8E\xA6\x90\xD8\x82\xE8\x91\xD6\x82\xA6"},  // ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え
    {AFX_IDS_APP_TITLE, "Pelmora"},  // Pelmora
    {AFX_IDS_IDLEMESSAGE, "\xDA\xC3\xDE\xA8"},  // ﾚﾃﾞｨ
    {ID_INDICATOR_EXT, "EXT"},  // EXT
    {ID_INDICATOR_CAPS, "CAP"},  // CAP
    {ID_INDICATOR_NUM, "NUM"},  // NUM
    {ID_INDICATOR_SCRL, "SCRL"},  // SCRL
    {ID_INDICATOR_OVR, "\x8F\xE3\x8F\x91"},  // 上書
    {ID_INDICATOR_REC, "\x8B\x4C\x98\x5E"},  // 記録
    {ID_INDICATOR_KANA, "\xB6\xC5"},  // ｶﾅ
    {AFX_IDS_SCSIZE, "\xB3\xA8\xDD\xC4\xDE\xB3\x82\xCC\xBB\xB2\xBD\xDE\x82\xF0\x95\xCF\x8D\x58"},  // ｳｨﾝﾄﾞｳのｻｲｽﾞを変更
    {AFX_IDS_SCMOVE, "\xB3\xA8\xDD\xC4\xDE\xB3\x82\xCC\x88\xCA\x92\x75\x82\xF0\x95\xCF\x8D\x58"},  // ｳｨﾝﾄﾞｳの位置を変更
    {AFX_IDS_SCMINIMIZE, "\xB3\xA8\xDD\xC4\xDE\xB3\x82\xF0\xB1\xB2\xBA\xDD\x89\xBB"},  // ｳｨﾝﾄﾞｳをｱｲｺﾝ化
    {AFX_IDS_SCMAXIMIZE, "\xB3\xA8\xDD\xC4\xDE\xB3\x82\xF0\x8D\xC5\x91\xE5\x95\x5C\x8E\xA6"},  // ｳｨﾝﾄﾞｳを最大表示
    {AFX_IDS_SCNEXTWINDOW, "\x8E\x9F\x82\xCC\xB3\xA8\xDD\xC4\xDE\xB3\x82\xC9\x90\xD8\x82\xE8\x91\xD6\x82\xA6"},  // 次のｳｨﾝﾄﾞｳに切り替え
    {AFX_IDS_SCPREVWINDOW, "\x91\x4F\x82\xCC\xB3\xA8\xDD\xC4\xDE\xB3\x82\xC9\x90\xD8\x82\xE8\x91\xD6\x82\xA6"},  // 前のｳｨﾝﾄﾞｳに切り替え
    {AFX_IDS_SCCLOSE, "\xB3\xA8\xDD\xC4\xDE\xB3\x82\xF0\x95\xC2\x82\xB6\x82\xE9"},  // ｳｨﾝﾄﾞｳを閉じる
    {AFX_IDS_SCRESTORE, "\xB3\xA8\xDD\xC4\xDE\xB3\x82\xF0\x92\xCA\x8F\xED\x82\xCC\xBB\xB2\xBD\xDE\x82\xC9\x96\xDF\x82\xB7"},  // ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す
    {AFX_IDS_SCTASKLIST, "\xC0\xBD\xB8\x88\xEA\x97\x97\x82\xC9\x90\xD8\x82\xE8\x91\xD6\x82\xA6"},  // ﾀｽｸ一覧に切り替え
    {AFX_IDS_HIDE, "\x94\xF1\x95\x5C\x8E\xA6(&H)"},  // 非表示(&H)
    {AFX_IDP_NO_ERROR_AVAILABLE, "\xB4\xD7\xB0\x82\xCC\x8F\xDA\x8D\xD7\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42"},  // ｴﾗｰの詳細はありません。
    {AFX_IDP_NOT_SUPPORTED, "\x82\xB1\x82\xCC\x91\x80\x8D\xEC\x82\xCD\xBB\xCE\xDF\xB0\xC4\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\x81\x42"},  // この操作はｻﾎﾟｰﾄされていません。
    {AFX_IDP_RESOURCE_FAILURE, "\x95\x4B\x97\x76\x82\xC8\xD8\xBF\xB0\xBD\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42"},  // 必要なﾘｿｰｽが見つかりません。
    {AFX_IDP_FAILED_MEMORY_ALLOC, "\xD2\xD3\xD8\x82\xAA\x95\x73\x91\xAB\x82\xB5\x82\xC4\x82\xA2\x82\xDC\x82\xB7\x81\x42"},  // ﾒﾓﾘが不足しています。
    {AFX_IDP_USER_EXCEPTION, "\x95\x73\x96\xBE\x82\xC8\xB4\xD7\xB0\x82\xAA\x94\xAD\x90\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42"},  // 不明なｴﾗｰが発生しました。
    {AFX_IDP_INTERNAL_FAILURE, "\x93\xE0\x95\x94\xB4\xD7\xB0\x82\xAA\x94\xAD\x90\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42"},  // 内部ｴﾗｰが発生しました。
    {AFX_IDP_COMMAND_FAILURE, "\xBA\xCF\xDD\xC4\xDE\x82\xCC\x8E\xC0\x8D\x73\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42"},  // ｺﾏﾝﾄﾞの実行に失敗しました。
    {AFX_IDP_FAILED_TO_LOAD_LIB, "\xD7\xB2\xCC\xDE\xD7\xD8 %1 \x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x81\x42"},  // ﾗｲﾌﾞﾗﾘ %1 を読み込めません。
    {AFX_IDP_FAILED_TO_FIND_PROC, "%2 \x82\xC9\x8A\xD6\x90\x94 %1 \x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42"},  // %2 に関数 %1 が見つかりません。
    {AFX_IDP_PARSE_INT, "\x90\xAE\x90\x94\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42"},  // 整数を入力してください。
    {AFX_IDP_PARSE_REAL, "\x90\x94\x92\x6C\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42"},  // 数値を入力してください。
    {AFX_IDP_PARSE_INT_RANGE, "%1 \x82\xA9\x82\xE7 %2 \x82\xDC\x82\xC5\x82\xCC\x90\xAE\x90\x94\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42"},  // %1 から %2 までの整数を入力してください。
    {AFX_IDP_PARSE_REAL_RANGE, "%1 \x82\xA9\x82\xE7 %2 \x82\xDC\x82\xC5\x82\xCC\x90\x94\x92\x6C\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42"},  // %1 から %2 までの数値を入力してください。
    {AFX_IDP_PARSE_STRING_SIZE, "%1 \x95\xB6\x8E\x9A\x88\xC8\x93\xE0\x82\xC5\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42"},  // %1 文字以内で入力してください。
    {AFX_IDP_PARSE_RADIO_BUTTON, "\xCE\xDE\xC0\xDD\x82\xF0 1 \x82\xC2\x91\x49\x91\xF0\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42"},  // ﾎﾞﾀﾝを 1 つ選択してください。
    {AFX_IDP_PARSE_BYTE, "0 \x82\xA9\x82\xE7 255 \x82\xDC\x82\xC5\x82\xCC\x90\xAE\x90\x94\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42"},  // 0 から 255 までの整数を入力してください。
    {AFX_IDP_PARSE_UINT, "\x90\xB3\x82\xCC\x90\xAE\x90\x94\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42"},  // 正の整数を入力してください。
};

TEST_P(ResourceTest, EveryStringLoadsAsItsCodePage932Bytes)
{
    for (const StringCase& expected : kStrings) {
        char buffer[512] = "";
        int length = LoadStringA(Module(), expected.id, buffer, sizeof buffer);
        EXPECT_EQ(Hex(expected.bytes), Hex(std::string(buffer, length))) << "string " << expected.id;
    }
}

TEST_P(ResourceTest, GameTextsFitTheirBuffersWithTheStatedWidths)
{
    // The game copies 1001..1012 into 64-byte buffers; the longest takes 34 bytes.
    size_t longest = 0;
    for (UINT id = IDS_HINT_HERE; id <= IDS_RESULT_CAPTION; ++id) {
        char buffer[256] = "";
        longest = std::max<size_t>(longest, LoadStringA(Module(), id, buffer, sizeof buffer));
    }
    EXPECT_EQ(34u, longest);

    char hint[64] = "";
    ASSERT_EQ(15, LoadStringA(Module(), IDS_HINT_NEXT, hint, sizeof hint));
    EXPECT_EQ("A5 A5 A5", Hex(std::string(hint + 12, 3))) << "three half-width middle dots";
    char formatted[64] = "";
    std::snprintf(formatted, sizeof formatted, hint, 12);
    EXPECT_EQ(Hex("\x8E\x9F\x82\xCD 12 \x82\xC5\x82\xB7\xA5\xA5\xA5"), Hex(formatted));  // 次は 12 です･･･

    char button[64] = "";
    ASSERT_EQ(6, LoadStringA(Module(), IDS_RESULT_BUTTON, button, sizeof button));
    EXPECT_EQ("81 40", Hex(std::string(button + 2, 2))) << "an ideographic space between the two characters";
}

// ---------------------------------------------------------------------------------------------
// Menu 128

struct MenuEntry {
    int depth;       // 0: a pop-up of the menu bar, 1: an item of that pop-up
    WORD flags;      // template flags: MF_POPUP, MF_END
    WORD id;         // command id; none for a pop-up, 0 for a separator
    const char* text;
};

const MenuEntry kMenu[] = {
    {0, MF_POPUP, 0, "\xCC\xA7\xB2\xD9(&F)"},  // ﾌｧｲﾙ(&F)
    {1, 0, ID_GAME_RETRY, "\xD8\xC4\xD7\xB2(&R)"},  // ﾘﾄﾗｲ(&R)
    {1, 0, 0, ""},
    {1, MF_END, ID_APP_EXIT, "\xB1\xCC\xDF\xD8\xB9\xB0\xBC\xAE\xDD\x82\xCC\x8F\x49\x97\xB9(&X)"},  // ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)
    {0, MF_POPUP, 0, "\x91\x49\x91\xF0(&S)"},  // 選択(&S)
    {1, 0, ID_GAME_2X2, "Pelmora(2x2) (&2)"},
    {1, 0, ID_GAME_3X3, "Pelmora(3x3) (&3)"},
    {1, 0, ID_GAME_4X4, "Pelmora(4x4) (&4)"},
    {1, MF_END, ID_GAME_5X5, "Pelmora(5x5) (&5)"},
    {0, MF_POPUP, 0, "\x95\x5C\x8E\xA6(&V)"},  // 表示(&V)
    {1, 0, ID_VIEW_RANKING, "\xD7\xDD\xB7\xDD\xB8\xDE(&R)"},  // ﾗﾝｷﾝｸﾞ(&R)
    {1, 0, ID_VIEW_NAVIGATION, "\xC5\xCB\xDE\xB9\xDE\xB0\xBC\xAE\xDD(&N)"},  // ﾅﾋﾞｹﾞｰｼｮﾝ(&N)
    {1, 0, 0, ""},
    {1, MF_END, ID_VIEW_STATUS_BAR, "\xBD\xC3\xB0\xC0\xBD \xCA\xDE\xB0(&S)"},  // ｽﾃｰﾀｽ ﾊﾞｰ(&S)
    {0, MF_POPUP | MF_END, 0, "\xCD\xD9\xCC\xDF(&H)"},  // ﾍﾙﾌﾟ(&H)
    {1, MF_END, ID_APP_ABOUT, "Pelmo \x82\xCC\xCA\xDE\xB0\xBC\xDE\xAE\xDD\x8F\xEE\x95\xF1(&A)..."},  // Pelmo のﾊﾞｰｼﾞｮﾝ情報(&A)...
};

std::string Describe(const MenuEntry& e, const std::string& text)
{
    char head[64];
    std::snprintf(head, sizeof head, "depth %d flags 0x%04X id %u text ", e.depth, e.flags, e.id);
    return head + Hex(text);
}

// Reads a standard (not extended) menu template: header, then items, pop-ups nesting.
void ReadMenuItems(Reader& in, int depth, std::vector<MenuEntry>& out, std::vector<std::string>& texts)
{
    for (;;) {
        MenuEntry e{depth, in.Word(), 0, nullptr};
        if (!(e.flags & MF_POPUP))
            e.id = in.Word();
        texts.push_back(in.Text());
        out.push_back(e);
        if (in.Failed())
            return;
        if (e.flags & MF_POPUP)
            ReadMenuItems(in, depth + 1, out, texts);
        if (e.flags & MF_END)
            return;
    }
}

TEST_P(ResourceTest, MenuTemplateHasThePopUpsItemsAndFlags)
{
    Raw raw = FindRaw(Module(), RT_MENU, IDR_MAINFRAME);
    ASSERT_NE(nullptr, raw.data);
    Reader in(raw.data, raw.size);
    EXPECT_EQ(0, in.Word()) << "version of a standard menu template";
    EXPECT_EQ(0, in.Word()) << "header size";
    std::vector<MenuEntry> entries;
    std::vector<std::string> texts;
    ReadMenuItems(in, 0, entries, texts);
    ASSERT_FALSE(in.Failed());
    EXPECT_EQ(raw.size, in.Pos()) << "nothing follows the last pop-up";

    ASSERT_EQ(std::size(kMenu), entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(Describe(kMenu[i], kMenu[i].text), Describe(entries[i], texts[i])) << "entry " << i;
}

TEST_P(ResourceTest, LoadedMenuShowsTheTextsIdsAndNoStates)
{
    HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, menu);
    std::vector<MenuEntry> entries;
    std::vector<std::string> texts;
    std::vector<UINT> types, states;
    auto read = [&](HMENU owner, int index, int depth, int count) {
        char text[128] = "";
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        EXPECT_TRUE(GetMenuItemInfoA(owner, index, TRUE, &info));
        WORD flags = (info.hSubMenu ? MF_POPUP : 0) | (index == count - 1 ? MF_END : 0);
        entries.push_back({depth, flags, static_cast<WORD>(info.hSubMenu ? 0 : info.wID), nullptr});
        texts.push_back(text);
        types.push_back(info.fType);
        states.push_back(info.fState);
        return info.hSubMenu;
    };
    int popups = GetMenuItemCount(menu);
    for (int i = 0; i < popups; ++i) {
        HMENU popup = read(menu, i, 0, popups);
        ASSERT_NE(nullptr, popup);
        int items = GetMenuItemCount(popup);
        for (int j = 0; j < items; ++j)
            read(popup, j, 1, items);
    }

    ASSERT_EQ(std::size(kMenu), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& e = kMenu[i];
        EXPECT_EQ(Describe(e, e.text), Describe(entries[i], texts[i])) << "item " << i;
        bool separator = e.depth == 1 && e.id == 0;
        EXPECT_EQ(separator ? MFT_SEPARATOR : MFT_STRING, types[i]) << "type of item " << i;
        if (!separator) {
            EXPECT_EQ(0u, states[i]) << "nothing greyed or checked: item " << i;
        }
        if (e.id != 0) {
            EXPECT_EQ(0u, GetMenuState(menu, e.id, MF_BYCOMMAND)) << "command " << e.id;
        }
    }
    DestroyMenu(menu);
}

// ---------------------------------------------------------------------------------------------
// Accelerator table 128

const ACCEL kAccelerators[] = {
    {FVIRTKEY | FNOINVERT | FCONTROL, 'C', ID_EDIT_COPY},
    {FVIRTKEY | FNOINVERT | FCONTROL, 'V', ID_EDIT_PASTE},
    {FVIRTKEY | FNOINVERT | FALT, VK_BACK, ID_EDIT_UNDO},
    {FVIRTKEY | FNOINVERT | FSHIFT, VK_DELETE, ID_EDIT_CUT},
    {FVIRTKEY | FNOINVERT, VK_F6, ID_NEXT_PANE},
    {FVIRTKEY | FNOINVERT | FSHIFT, VK_F6, ID_PREV_PANE},
    {FVIRTKEY | FNOINVERT | FCONTROL, VK_INSERT, ID_EDIT_COPY},
    {FVIRTKEY | FNOINVERT | FSHIFT, VK_INSERT, ID_EDIT_PASTE},
    {FVIRTKEY | FNOINVERT | FCONTROL, 'X', ID_EDIT_CUT},
    {FVIRTKEY | FNOINVERT | FCONTROL, 'Z', ID_EDIT_UNDO},
};

std::string Describe(unsigned flags, unsigned key, unsigned cmd)
{
    char text[64];
    std::snprintf(text, sizeof text, "flags 0x%02X key 0x%02X command %u", flags, key, cmd);
    return text;
}

TEST_P(ResourceTest, AcceleratorTableHasTheTenEntriesInOrder)
{
    HACCEL table = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, table);
    ACCEL copy[16] = {};
    int count = CopyAcceleratorTableA(table, copy, 16);
    ASSERT_EQ(static_cast<int>(std::size(kAccelerators)), count);
    for (int i = 0; i < count; ++i) {
        const ACCEL& e = kAccelerators[i];
        EXPECT_EQ(Describe(e.fVirt, e.key, e.cmd), Describe(copy[i].fVirt & 0x7F, copy[i].key, copy[i].cmd))
            << "entry " << i + 1;
    }
    DestroyAcceleratorTable(table);
}

TEST_P(ResourceTest, RawAcceleratorTableEndsOnTheTenthEntry)
{
    Raw raw = FindRaw(Module(), RT_ACCELERATOR, IDR_MAINFRAME);
    ASSERT_NE(nullptr, raw.data);
    ASSERT_EQ(8 * std::size(kAccelerators), raw.size) << "eight bytes an entry";
    Reader in(raw.data, raw.size);
    for (size_t i = 0; i < std::size(kAccelerators); ++i) {
        const ACCEL& e = kAccelerators[i];
        unsigned flags = in.Word(), key = in.Word(), cmd = in.Word();
        in.Word();
        unsigned end = i + 1 == std::size(kAccelerators) ? 0x80 : 0;
        EXPECT_EQ(Describe(e.fVirt | end, e.key, e.cmd), Describe(flags, key, cmd)) << "entry " << i + 1;
    }
}

// ---------------------------------------------------------------------------------------------
// Dialogs 100 and 151

// A name or ordinal field of a template; ordinal 0 with empty text means "none".
struct NameOrId {
    WORD ordinal = 0;
    std::string text;
};

std::string Describe(const NameOrId& n)
{
    if (n.ordinal != 0)
        return "#" + std::to_string(n.ordinal);
    return "\"" + Hex(n.text) + "\"";
}

NameOrId ReadNameOrId(Reader& in)
{
    NameOrId n;
    WORD first = in.Word();
    if (first == 0xFFFF) {
        n.ordinal = in.Word();
    } else if (first != 0) {
        WCHAR c = first;
        std::vector<WCHAR> chars;
        for (; c != 0 && !in.Failed(); c = in.Word())
            chars.push_back(c);
        n.text = ToCodePage932(chars.data(), static_cast<int>(chars.size()));
    }
    return n;
}

struct ControlCase {
    WORD classOrdinal;   // 0x0080 button, 0x0082 static
    WORD id;
    DWORD style;
    short x, y, cx, cy;
    WORD imageOrdinal;   // a picture's bitmap id, else 0
    const char* text;
};

struct DialogCase {
    WORD id;
    short cx, cy;
    const char* caption;
    std::vector<ControlCase> controls;
};

const WORD kButton = 0x0080;
const WORD kStatic = 0x0082;
const WORD kNoId = 0xFFFF;
const char kFont[] = "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ Ｐゴシック

const DialogCase kDialogs[] = {
    {IDD_ABOUTBOX, 240, 70, "Pelmora\xCA\xDE\xB0\xBC\xDE\xAE\xDD\x8F\xEE\x95\xF1",  // Pelmoraﾊﾞｰｼﾞｮﾝ情報
     {
         {kStatic, kNoId, 0x5000000E, 197, 16, 16, 17, IDB_ABOUT_GRID, ""},
         {kStatic, kNoId, 0x50020080, 53, 11, 140, 8, 0, "Welcome to Pelmora Version 0.95J."},
         {kStatic, kNoId, 0x50020000, 70, 27, 96, 8, 0, ""},
         {kButton, IDOK, 0x50030001, 176, 51, 50, 14, 0, "OK"},
         {kStatic, kNoId, 0x50020000, 63, 51, 107, 8, 0,
          "\x98\x41\x97\x8D\x90\xE6: pelmora@example.org"},  // 連絡先: pelmora@example.org
         {kStatic, kNoId, 0x50020000, 58, 39, 133, 8, 0,
          "\x90\xA7\x8D\xEC: Pelmora \x83\x76\x83\x8D\x83\x57\x83\x46\x83\x4E\x83\x67 2026"},  // 制作: Pelmora プロジェクト 2026
         {kStatic, kNoId, 0x5000000E, 6, 20, 39, 45, IDB_ABOUT_PICTURE, ""},
     }},
    {IDD_NOTICE, 120, 80, "Pelmroa\xB9\xDE\xB0\xD1\x8A\x4A\x8E\x6E",  // Pelmroaｹﾞｰﾑ開始
     {
         {kButton, IDOK, 0x50010001, 28, 38, 60, 25, 0,
          "\x83\x51\x81\x5B\x83\x80\x83\x58\x83\x5E\x81\x5B\x83\x67"},  // ゲームスタート
         {kStatic, IDC_NOTICE_LINE1, 0x50020000, 6, 9, 102, 9, 0,
          "\x82\x50\x82\xA9\x82\xE7\x8F\x87\x94\xD4\x82\xC9\x83\x7B\x83\x5E\x83\x93\x82\xF0\x83\x4E\x83\x8A\x83\x62\x83\x4E\x82\xB5\x82\xC4\x81\x41"},  // １から順番にボタンをクリックして、
         {kStatic, IDC_NOTICE_LINE2, 0x50020000, 5, 19, 111, 11, 0,
          "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83\x7B\x83\x5E\x83\x93\x82\xF0\x8F\xC1\x8B\x8E\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42"},  // すべてのボタンを消去してください。
     }},
};

std::string Describe(const ControlCase& c)
{
    char text[160];
    std::snprintf(text, sizeof text, "class #%u id %u style 0x%08lX at %d,%d size %dx%d text ", c.classOrdinal,
                  c.id, static_cast<unsigned long>(c.style), c.x, c.y, c.cx, c.cy);
    NameOrId title;
    title.ordinal = c.imageOrdinal;
    title.text = c.text;
    return text + Describe(title);
}

class DialogTemplateTest : public ::testing::TestWithParam<std::tuple<Source, int>> {};

TEST_P(DialogTemplateTest, RawTemplateHoldsTheTabledLayout)
{
    HMODULE module = OpenModule(std::get<0>(GetParam()));
    ASSERT_NE(nullptr, module);
    const DialogCase& expected = kDialogs[std::get<1>(GetParam())];
    Raw raw = FindRaw(module, RT_DIALOG, expected.id);
    ASSERT_NE(nullptr, raw.data);
    Reader in(raw.data, raw.size);

    DWORD style = in.Dword();
    EXPECT_EQ(0x80C800C0u, style) << "WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT";
    EXPECT_NE(0xFFFF0001u, style) << "a standard template, not the extended form";
    EXPECT_EQ(0u, in.Dword()) << "extended style";
    WORD count = in.Word();
    short x = in.Short(), y = in.Short(), cx = in.Short(), cy = in.Short();
    EXPECT_EQ("0,0 " + std::to_string(expected.cx) + "x" + std::to_string(expected.cy),
              std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(cx) + "x" + std::to_string(cy));
    EXPECT_EQ(Describe(NameOrId()), Describe(ReadNameOrId(in))) << "menu";
    EXPECT_EQ(Describe(NameOrId()), Describe(ReadNameOrId(in))) << "class";
    EXPECT_EQ(Hex(expected.caption), Hex(in.Text())) << "caption";
    EXPECT_EQ(9, in.Word()) << "point size";
    EXPECT_EQ(Hex(kFont), Hex(in.Text())) << "font";

    ASSERT_EQ(expected.controls.size(), count);
    for (const ControlCase& want : expected.controls) {
        in.AlignDword();
        ControlCase got{};
        got.style = in.Dword();
        EXPECT_EQ(0u, in.Dword()) << "extended style of " << Describe(want);
        got.x = in.Short();
        got.y = in.Short();
        got.cx = in.Short();
        got.cy = in.Short();
        got.id = in.Word();
        NameOrId windowClass = ReadNameOrId(in);
        got.classOrdinal = windowClass.ordinal;
        NameOrId title = ReadNameOrId(in);
        got.imageOrdinal = title.ordinal;
        got.text = title.text.c_str();
        EXPECT_EQ(Describe(want), Describe(got));
        EXPECT_EQ("", windowClass.text) << "class given by ordinal";
        EXPECT_EQ(0, in.Word()) << "creation data of " << Describe(want);
    }
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(raw.size, in.Pos()) << "nothing follows the last control";
}

INSTANTIATE_TEST_SUITE_P(Templates, DialogTemplateTest,
                         ::testing::Combine(::testing::Values(Source::TestModule, Source::PelmoExe),
                                            ::testing::Values(0, 1)),
                         [](const ::testing::TestParamInfo<std::tuple<Source, int>>& info) {
                             return std::string(std::get<0>(info.param) == Source::TestModule ? "TestModule"
                                                                                              : "PelmoExe") +
                                    (std::get<1>(info.param) == 0 ? "_About" : "_Notice");
                         });

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// Width in pixels of a text drawn in the dialog's font.
int TextWidth(HWND control, const char* text)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

int ClientWidth(HWND control)
{
    RECT rc = {};
    GetClientRect(control, &rc);
    return rc.right - rc.left;
}

TEST(DialogWindowTest, AboutBoxShowsItsTextsAndPicturesWithinTheirControls)
{
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUTBOX), nullptr,
                                     QuietDialogProc, 0);
    ASSERT_NE(nullptr, dialog);
    char caption[64] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_EQ(Hex(kDialogs[0].caption), Hex(caption));

    HWND child = GetWindow(dialog, GW_CHILD);
    for (const ControlCase& want : kDialogs[0].controls) {
        ASSERT_NE(nullptr, child) << Describe(want);
        if (want.imageOrdinal != 0) {
            // A picture control takes the size of its bitmap.
            HBITMAP bitmap = reinterpret_cast<HBITMAP>(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
            ASSERT_NE(nullptr, bitmap) << Describe(want);
            BITMAP info = {};
            GetObjectA(bitmap, sizeof info, &info);
            RECT rc = {};
            GetClientRect(child, &rc);
            int side = want.imageOrdinal == IDB_ABOUT_GRID ? 32 : 68;
            EXPECT_EQ(std::to_string(side) + "x" + std::to_string(side),
                      std::to_string(info.bmWidth) + "x" + std::to_string(info.bmHeight));
            EXPECT_EQ(std::to_string(side) + "x" + std::to_string(side),
                      std::to_string(rc.right) + "x" + std::to_string(rc.bottom)) << "picture control";
        } else {
            char text[128] = "";
            GetWindowTextA(child, text, sizeof text);
            EXPECT_EQ(Hex(want.text), Hex(text));
            int margin = want.classOrdinal == kButton ? 8 : 0;
            EXPECT_LE(TextWidth(child, text) + margin, ClientWidth(child)) << Describe(want);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(nullptr, child) << "no further controls";
    DestroyWindow(dialog);
}

TEST(DialogWindowTest, NoticeFitsBothTheStartAndTheResultTexts)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HWND dialog = CreateDialogParamA(module, MAKEINTRESOURCEA(IDD_NOTICE), nullptr, QuietDialogProc, 0);
    ASSERT_NE(nullptr, dialog);
    struct Use {
        UINT line1, line2, button;
    };
    // The result line is formatted with a long time, as the frame would show it.
    for (Use use : {Use{IDS_START_LINE1, IDS_START_LINE2, IDS_START_BUTTON},
                    Use{IDS_RESULT_LINE1, IDS_RESULT_LINE2, IDS_RESULT_BUTTON}}) {
        char format[64] = "", line1[64] = "", line2[64] = "", button[64] = "";
        LoadStringA(module, use.line1, line1, sizeof line1);
        LoadStringA(module, use.line2, format, sizeof format);
        std::snprintf(line2, sizeof line2, format, 999.99);
        LoadStringA(module, use.button, button, sizeof button);
        HWND first = GetDlgItem(dialog, IDC_NOTICE_LINE1), second = GetDlgItem(dialog, IDC_NOTICE_LINE2),
             ok = GetDlgItem(dialog, IDOK);
        ASSERT_TRUE(first && second && ok);
        EXPECT_LE(TextWidth(first, line1), ClientWidth(first)) << Hex(line1);
        EXPECT_LE(TextWidth(second, line2), ClientWidth(second)) << Hex(line2);
        EXPECT_LE(TextWidth(ok, button) + 8, ClientWidth(ok)) << Hex(button);
    }
    DestroyWindow(dialog);
}

// ---------------------------------------------------------------------------------------------
// Pictures

// The colours of an uncompressed palette image, top row first; height is the colour plane's.
std::vector<COLORREF> Colours(const BYTE* bits, int height)
{
    const BITMAPINFOHEADER* header = reinterpret_cast<const BITMAPINFOHEADER*>(bits);
    const RGBQUAD* palette = reinterpret_cast<const RGBQUAD*>(bits + header->biSize);
    int bpp = header->biBitCount, width = header->biWidth;
    int entries = header->biClrUsed ? header->biClrUsed : 1 << bpp;
    const BYTE* pixels = reinterpret_cast<const BYTE*>(palette + entries);
    int stride = ((width * bpp + 31) / 32) * 4;
    std::vector<COLORREF> out;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            int bit = x * bpp;
            int index = (pixels[y * stride + bit / 8] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1);
            out.push_back(RGB(palette[index].rgbRed, palette[index].rgbGreen, palette[index].rgbBlue));
        }
    }
    return out;
}

struct BitmapCase {
    WORD id;
    int side, bpp;
};

TEST_P(ResourceTest, BitmapsAreUncompressedPaletteImagesOfTheStatedSize)
{
    for (BitmapCase want : {BitmapCase{IDB_ABOUT_GRID, 32, 4}, BitmapCase{IDB_ABOUT_PICTURE, 68, 8}}) {
        Raw raw = FindRaw(Module(), RT_BITMAP, want.id);
        ASSERT_NE(nullptr, raw.data) << "bitmap " << want.id;
        const BITMAPINFOHEADER* h = reinterpret_cast<const BITMAPINFOHEADER*>(raw.data);
        char got[96], expected[96];
        std::snprintf(expected, sizeof expected, "%dx%d, %d bpp, compression 0, %d colours", want.side,
                      want.side, want.bpp, 1 << want.bpp);
        std::snprintf(got, sizeof got, "%ldx%ld, %d bpp, compression %lu, %lu colours", h->biWidth, h->biHeight,
                      h->biBitCount, h->biCompression, h->biClrUsed ? h->biClrUsed : 1ul << h->biBitCount);
        EXPECT_EQ(std::string(expected), got) << "bitmap " << want.id;
        DWORD stride = ((want.side * want.bpp + 31) / 32) * 4;
        EXPECT_EQ(40 + 4 * (1u << want.bpp) + stride * want.side, raw.size) << "bitmap " << want.id;
    }
}

struct IconImageCase {
    int side, bpp;
};

const IconImageCase kIconImages[] = {{32, 4}, {16, 4}, {32, 1}, {32, 8}};

TEST_P(ResourceTest, IconGroupHasFourImagesInOrderEachWithItsMask)
{
    Raw group = FindRaw(Module(), RT_GROUP_ICON, IDR_MAINFRAME);
    ASSERT_NE(nullptr, group.data);
    Reader in(group.data, group.size);
    in.Word();
    EXPECT_EQ(1, in.Word()) << "icon, not cursor";
    ASSERT_EQ(std::size(kIconImages), in.Word());
    for (const IconImageCase& want : kIconImages) {
        char expected[96], got[96];
        std::snprintf(expected, sizeof expected, "%dx%d, %d bpp", want.side, want.side, want.bpp);
        BYTE width = in.Word() & 0xFF;  // width and height bytes; the height equals the width here
        in.Word();
        WORD planes = in.Word(), bpp = in.Word();
        DWORD bytes = in.Dword();
        WORD id = in.Word();
        std::snprintf(got, sizeof got, "%dx%d, %d bpp", width ? width : 256, width ? width : 256, bpp);
        EXPECT_EQ(std::string(expected), got) << "directory entry " << id;
        EXPECT_EQ(1, planes);

        Raw image = FindRaw(Module(), RT_ICON, id);
        ASSERT_NE(nullptr, image.data) << "icon image " << id;
        EXPECT_EQ(bytes, image.size) << "icon image " << id;
        const BITMAPINFOHEADER* h = reinterpret_cast<const BITMAPINFOHEADER*>(image.data);
        std::snprintf(got, sizeof got, "%ldx%ld, %d bpp", h->biWidth, h->biHeight / 2, h->biBitCount);
        EXPECT_EQ(std::string(expected), got) << "image header " << id;
        // Colour plane, then a 1 bpp AND mask of the same size.
        DWORD colour = ((want.side * want.bpp + 31) / 32) * 4 * want.side;
        DWORD mask = ((want.side + 31) / 32) * 4 * want.side;
        EXPECT_EQ(40 + 4 * (1u << want.bpp) + colour + mask, image.size) << "image " << id;
    }
}

// The n-th image of icon group 128, raw.
Raw IconImage(HMODULE module, size_t n)
{
    Raw group = FindRaw(module, RT_GROUP_ICON, IDR_MAINFRAME);
    if (group.data == nullptr || group.size < 6 + 14 * (n + 1))
        return Raw();
    WORD id = 0;
    memcpy(&id, group.data + 6 + 14 * n + 12, 2);
    return FindRaw(module, RT_ICON, id);
}

TEST_P(ResourceTest, TwoColourIconImageIsBlackLinesOnTransparency)
{
    Raw image = IconImage(Module(), 2);
    ASSERT_NE(nullptr, image.data);
    std::vector<COLORREF> colours = Colours(image.data, 32);
    for (size_t i = 0; i < colours.size(); ++i)
        ASSERT_EQ(RGB(0, 0, 0), colours[i]) << "colour plane, pixel " << i;
    // The mask follows the colour plane: 1 leaves the pixel transparent.
    const BYTE* mask = image.data + 40 + 8 + 4 * 32;
    int opaque = 0;
    for (int i = 0; i < 4 * 32; ++i)
        for (int bit = 0; bit < 8; ++bit)
            opaque += !(mask[i] & (1 << bit));
    EXPECT_GT(opaque, 100) << "the lines";
    EXPECT_LT(opaque, 32 * 32 / 2) << "mostly transparent";
}

TEST_P(ResourceTest, AboutGridBitmapIsTheSamePictureAsTheLargeIconImage)
{
    Raw icon = IconImage(Module(), 3);
    Raw bitmap = FindRaw(Module(), RT_BITMAP, IDB_ABOUT_GRID);
    ASSERT_TRUE(icon.data && bitmap.data);
    std::vector<COLORREF> a = Colours(icon.data, 32), b = Colours(bitmap.data, 32);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        ASSERT_EQ(a[i], b[i]) << "pixel " << i % 32 << "," << i / 32;
}

TEST(PictureTest, IconAndBitmapsLoadThroughTheSystem)
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    EXPECT_NE(nullptr, LoadIconA(module, MAKEINTRESOURCEA(IDR_MAINFRAME)));
    EXPECT_NE(nullptr, LoadImageA(module, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(nullptr, LoadBitmapA(module, MAKEINTRESOURCEA(IDB_ABOUT_GRID)));
    EXPECT_NE(nullptr, LoadBitmapA(module, MAKEINTRESOURCEA(IDB_ABOUT_PICTURE)));
}

// ---------------------------------------------------------------------------------------------
// Version record

struct VersionString {
    const char* key;
    const char* bytes;
};

const VersionString kVersionStrings[] = {
    {"CompanyName", ""},
    {"FileDescription", "Pelmo MFC \xB1\xCC\xDF\xD8\xB9\xB0\xBC\xAE\xDD"},  // Pelmo MFC ｱﾌﾟﾘｹｰｼｮﾝ
    {"FileVersion", "1, 0, 0, 1"},
    {"InternalName", "Pelmo"},
    {"LegalCopyright", "Copyright (C) 2026 Pelmora project"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "Pelmo.EXE"},
    {"ProductName", "Pelmo \xB1\xCC\xDF\xD8\xB9\xB0\xBC\xAE\xDD"},  // Pelmo ｱﾌﾟﾘｹｰｼｮﾝ
    {"ProductVersion", "1, 0, 0, 1"},
};

TEST_P(ResourceTest, VersionRecordHoldsTheNumbersAndTexts)
{
    std::string path = ModulePath(GetParam());
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_NE(0u, size) << path;
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    char expected[256], got[256];
    std::snprintf(expected, sizeof expected,
                  "sig FEEF04BD file 00010000.00000001 product 00010000.00000001 mask 3F flags 0 os 4 type 1 sub 0 "
                  "date 0.0");
    std::snprintf(got, sizeof got, "sig %08lX file %08lX.%08lX product %08lX.%08lX mask %lX flags %lX os %lX type "
                  "%lX sub %lX date %lX.%lX",
                  fixed->dwSignature, fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                  fixed->dwProductVersionLS, fixed->dwFileFlagsMask, fixed->dwFileFlags, fixed->dwFileOS,
                  fixed->dwFileType, fixed->dwFileSubtype, fixed->dwFileDateMS, fixed->dwFileDateLS);
    EXPECT_EQ(std::string(expected), got);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_EQ(4u, length);
    EXPECT_EQ(Describe(0, 0x0411, 1200), Describe(0, translation[0], translation[1])) << "language, code page";

    for (const VersionString& want : kVersionStrings) {
        std::string query = std::string("\\StringFileInfo\\041104B0\\") + want.key;
        char* value = nullptr;
        length = 0;
        BOOL found = VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length);
        EXPECT_TRUE(found) << want.key;
        std::string text = found && value ? std::string(value) : std::string("(missing)");
        EXPECT_EQ(Hex(want.bytes), Hex(text)) << want.key;
    }
}

// ---------------------------------------------------------------------------------------------
// The resource set as a whole

std::string TypeAndName(LPCSTR type, LPCSTR name)
{
    auto part = [](LPCSTR s) {
        return IS_INTRESOURCE(s) ? std::to_string(reinterpret_cast<ULONG_PTR>(s)) : std::string(s);
    };
    return part(type) + "/" + part(name);
}

struct Inventory {
    std::set<std::string> resources;
    std::vector<std::string> otherLanguages;
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR param)
{
    Inventory* inventory = reinterpret_cast<Inventory*>(param);
    if (language != kJapanese)
        inventory->otherLanguages.push_back(TypeAndName(type, name) + " language " + std::to_string(language));
    if (type != RT_STRING)
        inventory->resources.insert(TypeAndName(type, name));
    return TRUE;
}

BOOL CALLBACK CollectName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param)
{
    EnumResourceLanguagesA(module, type, name, CollectLanguage, param);
    return TRUE;
}

BOOL CALLBACK CollectType(HMODULE module, LPSTR type, LONG_PTR param)
{
    EnumResourceNamesA(module, type, CollectName, param);
    return TRUE;
}

TEST(ProgramFileTest, EveryResourceIsJapaneseAndNoneIsMissingOrExtra)
{
    HMODULE exe = OpenModule(Source::PelmoExe);
    ASSERT_NE(nullptr, exe);
    Inventory inventory;
    EnumResourceTypesA(exe, CollectType, reinterpret_cast<LONG_PTR>(&inventory));
    EXPECT_EQ(std::vector<std::string>(), inventory.otherLanguages);
    const std::set<std::string> expected = {
        "3/1", "3/2", "3/3", "3/4",   // icon images
        "2/131", "2/132",             // bitmaps
        "4/128",                      // menu
        "5/100", "5/151",             // dialogs
        "9/128",                      // accelerators
        "14/128",                     // icon group
        "16/1",                       // version
    };
    EXPECT_EQ(expected, inventory.resources);
}

BOOL CALLBACK CountLanguage(HMODULE, LPCSTR, LPCSTR, WORD, LONG_PTR param)
{
    ++*reinterpret_cast<int*>(param);
    return TRUE;
}

BOOL CALLBACK CollectStringBlock(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param)
{
    int languages = 0;
    EnumResourceLanguagesA(module, type, name, CountLanguage, reinterpret_cast<LONG_PTR>(&languages));
    reinterpret_cast<std::vector<std::string>*>(param)->push_back(
        "block " + TypeAndName(type, name) + " in " + std::to_string(languages) + " language(s)");
    return TRUE;
}

TEST(ProgramFileTest, StringBlocksOfProgramAndFrameworkStayApart)
{
    // Strings live in blocks of 16; the program's and the framework's tables share none,
    // so each block is there once, in Japanese only.
    HMODULE exe = OpenModule(Source::PelmoExe);
    ASSERT_NE(nullptr, exe);
    std::vector<std::string> blocks;
    EnumResourceNamesA(exe, RT_STRING, CollectStringBlock, reinterpret_cast<LONG_PTR>(&blocks));
    for (const std::string& block : blocks)
        EXPECT_NE(std::string::npos, block.find(" in 1 language")) << block;
    // 128; 1001..1012 (two blocks); the prompts (six); the frame texts; the indicators;
    // the framework's (six).
    EXPECT_EQ(17u, blocks.size());
}

// ---------------------------------------------------------------------------------------------
// The program file

std::vector<BYTE> ReadProgramFile()
{
    std::vector<BYTE> bytes;
    HANDLE file = CreateFileA(PELMO_EXE_PATH, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

TEST(ProgramFileTest, HeaderSaysPe32GuiSubsystem40)
{
    std::vector<BYTE> file = ReadProgramFile();
    ASSERT_GT(file.size(), 1024u) << PELMO_EXE_PATH;
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(file.data());
    ASSERT_EQ(IMAGE_DOS_SIGNATURE, dos->e_magic);
    const IMAGE_NT_HEADERS32* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(file.data() + dos->e_lfanew);
    ASSERT_EQ(static_cast<DWORD>(IMAGE_NT_SIGNATURE), nt->Signature);
    char got[128];
    std::snprintf(got, sizeof got, "machine %04X magic %03X subsystem %u version %u.%u", nt->FileHeader.Machine,
                  nt->OptionalHeader.Magic, nt->OptionalHeader.Subsystem, nt->OptionalHeader.MajorSubsystemVersion,
                  nt->OptionalHeader.MinorSubsystemVersion);
    EXPECT_EQ("machine 014C magic 10B subsystem 2 version 4.0", std::string(got)) << "i386, PE32, GUI";
}

TEST(ProgramFileTest, ImportsOnlySystemLibraries)
{
    std::vector<BYTE> file = ReadProgramFile();
    ASSERT_GT(file.size(), 1024u);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(file.data());
    const IMAGE_NT_HEADERS32* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(file.data() + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
    auto offset = [&](DWORD rva) -> DWORD {
        for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return 0;
    };
    DWORD imports = offset(nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
    ASSERT_NE(0u, imports);
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    std::vector<std::string> names;
    for (const IMAGE_IMPORT_DESCRIPTOR* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(file.data() + imports);
         d->Name != 0; ++d) {
        std::string name = reinterpret_cast<const char*>(file.data() + offset(d->Name));
        names.push_back(name);
        std::string lower = name;
        CharLowerA(&lower[0]);
        for (const char* runtime : {"libstdc++", "libgcc", "libwinpthread"})
            EXPECT_EQ(std::string::npos, lower.find(runtime)) << name;
        std::string installed = std::string(system) + "\\" + name;
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(installed.c_str())) << name << " is not a system library";
    }
    EXPECT_FALSE(names.empty());
    EXPECT_NE(names.end(), std::find_if(names.begin(), names.end(),
                                        [](const std::string& n) { return lstrcmpiA(n.c_str(), "KERNEL32.dll") == 0; }));
}

TEST(CodePageTest, JapaneseAnsiCodePageIsInForce)
{
    EXPECT_EQ(932u, GetACP());
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Modules, ResourceTest, ::testing::Values(Source::TestModule, Source::PelmoExe), SourceName);
