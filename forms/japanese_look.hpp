#pragma once
// The Japanese look of the whole program: the Windows faces mapped to the IPA
// P fonts, and Qt's own buttons in Japanese (はい／いいえ).

class QApplication;

namespace kesora::forms {

void SetUpJapaneseLook(QApplication& app);

}  // namespace kesora::forms
