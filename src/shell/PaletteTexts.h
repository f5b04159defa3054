#pragma once

#include <cstdint>

// The palette's fixed texts (UTF-8).

// The status line's instruction while nothing else goes on; one paragraph, the label wraps it.
inline constexpr const char* kIdleText =
    "Illustratorのテキストを選択して作成ボタンをクリックGoogle APIを使用しています。";

inline constexpr const char* kPaletteTitle = "Vemoコード";

// The help text of the setting row `index` (0 encoding, 1 error-correction level, 2 size), or
// nullptr for any other index.
inline const char* SettingHelpText(std::int32_t index) {
    switch (index) {
        case 0:
            return "文字コードを指定します。作成したQRコードを読み込んで文字化けする場合は変更して"
                   "下さい。";
        case 1:
            return "誤り訂正レベルです。QRコードに汚れなどがあっても正確に読み取れるようになります"
                   "。Hが最大です。";
        case 2:
            return "QRコードのサイズです。複雑なコードの場合大きくして下さい。";
        default:
            return nullptr;
    }
}
