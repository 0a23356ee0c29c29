#include "jvlink/result_text.h"

#include <array>
#include <string_view>

namespace {

struct ResultText {
  int code;
  std::string_view text;
};

constexpr std::array<ResultText, 33> kResultTexts{{
    {0, "正常"},
    {-1, "該当データなし"},
    {-2, "セットアップダイアログでキャンセルが押された"},
    {-100, "パラメタが不正あるいはレジストリへの保存に失敗"},
    {-101, "sidが設定されていない"},
    {-102, "sidが64byteを超えている"},
    {-103, "sidが不正"},
    {-111, "dataspecパラメタが不正"},
    {-112, "fromdateパラメタが不正"},
    {-113, "todateパラメタが不正"},
    {-114, "keyパラメタが不正"},
    {-115, "optionパラメタが不正"},
    {-116, "dataspecとoptionの組み合わせが不正"},
    {-201, "JVInitが行われていない"},
    {-202, "前回のJVOpen/JVRTOpenに対してJVCloseが呼ばれていない"},
    {-203, "JVOpenが行われていない"},
    {-211, "レジストリ内容が不正"},
    {-301, "認証エラー"},
    {-302, "サービスキーの有効期限切れ"},
    {-303, "サービスキーが設定されていない"},
    {-401, "JV-Link内部エラー"},
    {-402, "ダウンロードしたファイルが異常（サイズ=0）"},
    {-403, "ダウンロードしたファイルが異常（データ内容）"},
    {-411, "サーバエラー（HTTPステータス404NotFound）"},
    {-412, "サーバエラー（HTTPステータス403Forbidden）"},
    {-413, "サーバエラー（HTTPステータス200,403,404以外）"},
    {-421, "サーバエラー（サーバの応答が不正）"},
    {-431, "サーバエラー（サーバアプリケーション内部エラー）"},
    {-501, "セットアップ処理においてCD-ROMが無効"},
    {-502, "ダウンロード失敗"},
    {-503, "ファイルが見つからない"},
    {-504, "サーバメンテナンス中"},
    {-999, "Ostravel固有のエラー"},
}};

}  // namespace

std::string ErrorText(int code) {
  std::string_view text = "その他エラー";
  for (const ResultText& entry : kResultTexts) {
    if (entry.code == code) {
      text = entry.text;
      break;
    }
  }
  return std::to_string(code) + " （" + std::string(text) + "）";
}
