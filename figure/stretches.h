#pragma once
// The stretches of the figure, in the order in which they run. Each expects
// the body in BodySolid, the prepared angles and the points the stretches
// before it left in the bank. The head is built in GroupSolid about its own
// origin and joins the body at its pose.
#include "figure/assembly.h"

namespace figure {

// The abdomen and pelvis: the body is made here.
void abdomenAndPelvis(Assembly& a);
// Both thighs with their hip blocks, then both shins.
void legs(Assembly& a);
// The right shoe, then the left.
void shoes(Assembly& a);
// The trunk core with its badge; the girdle centre into Dim05, Dim06, Dim09.
void trunkCore(Assembly& a);
// Each shoulder joint with its cap and skin.
void rightShoulder(Assembly& a);
void leftShoulder(Assembly& a);
// Upper arms, elbows and forearms; the right wrist into Dim33 to Dim35.
void arms(Assembly& a);
// Each hand with its fingers, built about the wrist.
void hands(Assembly& a);
// The head group: skull, face masses and ears; then face, eyes, eyebrows;
// then hair and helmet as the boxes say; then collar and lips.
void headFirst(Assembly& a);
void headFace(Assembly& a);
void hairAndHelmet(Assembly& a);
void collarAndLips(Assembly& a);
// The head turned on the neck and joined to the body.
void headPose(Assembly& a);

} // namespace figure
