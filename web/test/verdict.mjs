// One line a check, and the count of those that failed.
export const tally = { failed: 0 };

export function verdict(name, ok, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}${detail ? ': ' + detail : ''}`);
  if (!ok) ++tally.failed;
}
