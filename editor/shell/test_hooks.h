#pragma once

namespace qzedit {

class MDIForm1;

// Settings from the environment for tests of the program as a whole, which cannot click in it:
//   QZ3DEDIT_TEST_ANSWER=CAPTION    every question is answered with the button of that caption
//                                   instead of being shown;
//   QZ3DEDIT_TEST_MOVE_AREA=A,DX,DY area A is moved by (DX, DY) map units once the editor has
//                                   started, as a move drag moves it: a named change of the map.
void installTestAnswer();
void applyTestMove(MDIForm1& editor);

}  // namespace qzedit
