#pragma once

/// Lets assistive technology see the toolkit's own controls as what they are: the checked combo box as a
/// combo box whose value is its text and which opens its list, the link as a link it can press, the picture
/// box as a picture. The controls
/// call it when they are made; the first call is the one that counts.
void installAccessibleWidgets();
