// Runs one or two jobs again and again and reports their wall time, CPU time and peak
// resident memory. A job is one or more programs run one after the other, as a shell
// would run "a; b; c", but without a shell whose own time and memory would be counted.
//
//   measure_runs RUNS @ NAME PROGRAM ARGS... [+ PROGRAM ARGS...] [@ NAME PROGRAM ...]
//
// With two jobs they run in pairs, alternating which goes first, after two pairs that are
// not counted; every figure is a median over the counted runs, and the ratios are the
// medians of each pair's ratio (the first job's over the second's), so that a change in the
// machine's load during the measurement touches both sides of a pair alike. Peak memory is
// the largest of any program of the job in any run. Every program must end with 0.
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kMaxJobs = 2, kMaxPrograms = 8, kWarmups = 2 };

struct Job {
  const char* name;
  char** programs[kMaxPrograms];  // each a NULL-terminated argument vector
  int count;
  double* wall;  // ms per counted run
  double* cpu;   // ms per counted run
  double peakMiB;
};

static double Ms(struct timeval t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

static double NowMs(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// One run of the job; its figures go to slot `run` unless it is a warm-up (run < 0).
static void RunJob(struct Job* job, int run) {
  double cpu = 0;
  const double start = NowMs();
  for (int p = 0; p < job->count; ++p) {
    const pid_t pid = fork();
    if (pid == 0) {
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, 1);
      dup2(null, 2);
      execvp(job->programs[p][0], job->programs[p]);
      _exit(127);
    }
    int status = 0;
    struct rusage usage;
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
      fprintf(stderr, "%s: %s did not end with 0\n", job->name, job->programs[p][0]);
      exit(1);
    }
    cpu += Ms(usage.ru_utime) + Ms(usage.ru_stime);
    if (usage.ru_maxrss / 1024.0 > job->peakMiB) job->peakMiB = usage.ru_maxrss / 1024.0;
  }
  if (run >= 0) {
    job->wall[run] = NowMs() - start;
    job->cpu[run] = cpu;
  }
}

static int CompareDoubles(const void* a, const void* b) {
  const double x = *(const double*)a;
  const double y = *(const double*)b;
  return (x > y) - (x < y);
}

static double Median(const double* values, int n) {
  double* sorted = malloc(n * sizeof *sorted);
  memcpy(sorted, values, n * sizeof *sorted);
  qsort(sorted, n, sizeof *sorted, CompareDoubles);
  const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
  free(sorted);
  return median;
}

static double MedianOf(const double* a, const double* b, int n, int ratio) {
  double* values = malloc(n * sizeof *values);
  for (int i = 0; i < n; ++i) values[i] = ratio ? a[i] / b[i] : a[i] - b[i];
  const double median = Median(values, n);
  free(values);
  return median;
}

int main(int argc, char** argv) {
  struct Job jobs[kMaxJobs];
  int jobCount = 0;
  const int runs = argc > 1 ? atoi(argv[1]) : 0;
  for (int i = 2; i < argc; ++i) {
    if (strcmp(argv[i], "@") == 0 && i + 2 < argc && jobCount < kMaxJobs) {
      argv[i] = NULL;  // ends the previous job's last argument vector
      struct Job* job = &jobs[jobCount++];
      memset(job, 0, sizeof *job);
      job->name = argv[++i];
      job->programs[job->count++] = &argv[i + 1];
    } else if (strcmp(argv[i], "+") == 0 && jobCount > 0 && i + 1 < argc &&
               jobs[jobCount - 1].count < kMaxPrograms) {
      argv[i] = NULL;
      struct Job* job = &jobs[jobCount - 1];
      job->programs[job->count++] = &argv[i + 1];
    }
  }
  if (runs < 1 || jobCount == 0) {
    fprintf(stderr, "usage: %s RUNS @ NAME PROGRAM ARGS... [+ PROGRAM ...] [@ NAME ...]\n",
            argv[0]);
    return 2;
  }
  for (int j = 0; j < jobCount; ++j) {
    jobs[j].wall = calloc(runs, sizeof(double));
    jobs[j].cpu = calloc(runs, sizeof(double));
  }
  for (int run = -kWarmups; run < runs; ++run) {
    const int first = jobCount == 2 && (run & 1) ? 1 : 0;
    for (int k = 0; k < jobCount; ++k) RunJob(&jobs[(first + k) % jobCount], run);
  }
  for (int j = 0; j < jobCount; ++j) {
    printf("  %-28s wall %7.1f ms   CPU %7.1f ms   peak RSS %6.1f MiB\n", jobs[j].name,
           Median(jobs[j].wall, runs), Median(jobs[j].cpu, runs), jobs[j].peakMiB);
  }
  if (jobCount == 2) {
    printf("  ratio %s / %s: wall %.2f   CPU %.2f   (wall %+.1f ms)\n", jobs[0].name, jobs[1].name,
           MedianOf(jobs[0].wall, jobs[1].wall, runs, 1),
           MedianOf(jobs[0].cpu, jobs[1].cpu, runs, 1),
           MedianOf(jobs[0].wall, jobs[1].wall, runs, 0));
  }
  return 0;
}
