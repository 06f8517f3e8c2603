#pragma once
// The windows name a Windows font that Linux lacks; IPA P Gothic, made to match its
// metrics, stands in for it and serves as the default face.

namespace kestrova {

// Call once, after the application object exists.
void InstallGothicFonts();

}  // namespace kestrova
