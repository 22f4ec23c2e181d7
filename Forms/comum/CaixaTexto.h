#pragma once
// Letter case of a text box: the system's texts are entered in upper case, e-mail and
// site boxes in lower case. The change is made as the text comes in (typed, pasted or
// set), letter by letter, so the cursor stays where it was.
// Call after any setValidator() of the box: its validator keeps working behind this one.

class QLineEdit;

void maiusculas(QLineEdit *edit);
void minusculas(QLineEdit *edit);
