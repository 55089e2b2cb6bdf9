# groff breaks no Japanese line by itself: let lines break after Japanese punctuation, and leave
# them ragged rather than stretch the few spaces there are. The usage line stands on its own.
/^\.TH /a\
.ad l
/^使い方: /a\
.br
s/[、。・]/&\\:/g
