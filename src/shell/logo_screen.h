// The maker's logo: at start-up, after the last section and in the title's
// attract cycle.
#pragma once

// The logo grows from 0.8 to full size while a black veil lifts off it, for
// a little over five seconds or until Escape is hit; then it fades to black
// and the screen stays black for one more second.
void ShowLogoScreen();
