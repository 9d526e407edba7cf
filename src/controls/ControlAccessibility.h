#pragma once

// What assistive technology learns about the custom controls: a colour picker is a drop-down button named
// after its kit colour and the colour it holds, its grid a list of the 24 named colours with one item per
// cell that follows the highlight, and a link label a link that can be followed. The controls install this
// themselves when the first of them is made.

namespace tarnix
{

void InstallControlAccessibility();

} // namespace tarnix
