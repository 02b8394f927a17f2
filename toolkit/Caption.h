#pragma once

class QLabel;
class QString;

namespace kazuyomi {

// Sets a label's text and makes the label as large as the text, so nothing is cut off.
void setCaption(QLabel& label, const QString& text);

}  // namespace kazuyomi
