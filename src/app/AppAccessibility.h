#pragma once

// Installs, once, what assistive technology is told of the window's own controls: the
// project type's choices are radio buttons (they keep their groups exclusive themselves,
// which Qt would otherwise announce as check boxes), the preview canvas is an image
// described by its accessible description; and the panels' controls (Accessible.h).
void installAppAccessibility();
