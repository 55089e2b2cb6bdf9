#!/bin/sh
# A CUPS backend that keeps what it is sent: the job's document goes, unchanged, into the
# directory named by the device URI (capture:/some/dir), as job-<id>.pdf.
if [ $# -eq 0 ]; then
  echo 'direct capture "Unknown" "Capture to a directory"'
  exit 0
fi
dir=${DEVICE_URI#capture:}
if [ $# -ge 6 ]; then
  cat "$6" > "$dir/job-$1.part" || exit 1
else
  cat > "$dir/job-$1.part" || exit 1
fi
mv "$dir/job-$1.part" "$dir/job-$1.pdf"
